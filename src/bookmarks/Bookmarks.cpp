#include "bookmarks/Bookmarks.h"

#include "bookmarks/CardIcons.h"
#include "bookmarks/FormProperties.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace {
constexpr int kIconRole = Qt::UserRole + 1;

// Sorted as people read names: without regard to case.
class BookmarkItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return QString::compare(text(column), other.text(column), Qt::CaseInsensitive) < 0;
    }
};
} // namespace

Bookmarks::Bookmarks(QWidget* area, const QString& file)
    : list_(new QTreeWidget(area))
    , file_(file) {
    RunPropertiesDialog = [](FormProperties& dialog) { dialog.exec(); };
    list_->setHeaderLabels({QStringLiteral("Title"), QStringLiteral("URL")});
    list_->setRootIsDecorated(false);
    list_->setIconSize(QSize(16, 16));
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    list_->header()->setSectionsClickable(true);
    list_->header()->resizeSection(0, 320);
    list_->setSortingEnabled(false);
    list_->hide();
    list_->installEventFilter(this);
    // A second click on the same column reverses the order; the file follows the list's order.
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        QHeaderView* header = list_->header();
        const Qt::SortOrder order =
            column == sortColumn_ && header->sortIndicatorOrder() == Qt::AscendingOrder ? Qt::DescendingOrder
                                                                                        : Qt::AscendingOrder;
        sortColumn_ = column;
        header->setSortIndicatorShown(true);
        header->setSortIndicator(column, order); // the items compare by the indicated column
        list_->sortItems(column, order);
        SaveBookmarks();
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit openRequested(item->text(1)); });
    // An in-place rename is always kept, an empty name too.
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem*, int column) {
        if (column == 0 && !loading_) SaveBookmarks();
    });
}

QTreeWidgetItem* Bookmarks::makeItem(const BookmarkRecord& record) const {
    auto* item = new BookmarkItem(QStringList{record.Name, record.Address});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(0, kIconRole, record.HasIcon ? record.Icon : -1);
    item->setIcon(0, CardIcon(record.Icon));
    item->setToolTip(1, record.Address);
    return item;
}

void Bookmarks::LoadBookmarks() {
    loading_ = true;
    const BookmarkLoad load = LoadBookmarkFile(file_);
    for (const BookmarkRecord& record : load.Records)
        list_->addTopLevelItem(makeItem(record));
    loading_ = false;
    if (load.Status != BookmarkLoadStatus::Ok)
        emit problem(
            QStringLiteral("bookmarks_not_loaded"),
            QStringLiteral("No bookmarks could be read from %1.").arg(QDir::toNativeSeparators(file_)));
}

bool Bookmarks::SaveBookmarks() {
    QList<BookmarkRecord> records;
    for (int row = 0; row < Count(); ++row)
        records.append(Record(row));
    if (SaveBookmarkFile(file_, records)) return true;
    emit problem(QStringLiteral("bookmarks_not_saved"),
                 QStringLiteral("The bookmarks could not be saved to %1; the previous file is kept.")
                     .arg(QDir::toNativeSeparators(file_)));
    return false;
}

void Bookmarks::AddBookmark(const QString& name, const QString& address, int icon) {
    loading_ = true; // adding the item is not a rename
    list_->addTopLevelItem(makeItem({name, address, icon, true}));
    loading_ = false;
    SaveBookmarks();
}

int Bookmarks::Count() const {
    return list_->topLevelItemCount();
}

BookmarkRecord Bookmarks::Record(int row) const {
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    const int icon = item->data(0, kIconRole).toInt();
    return {item->text(0), item->text(1), qMax(0, icon), icon >= 0};
}

int Bookmarks::SelectedRow() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? list_->indexOfTopLevelItem(item) : -1;
}

void Bookmarks::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0) return;
    delete list_->takeTopLevelItem(row);
    SaveBookmarks();
}

void Bookmarks::EditBookmarkProperties(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item) return;
    const BookmarkRecord record = Record(row);
    FormProperties dialog(list_->window());
    dialog.Init(8, record.Name, record.Address, record.Icon);
    RunPropertiesDialog(dialog);
    if (dialog.Result != 1) return;
    loading_ = true; // one save for the whole edit
    item->setText(0, dialog.EditTitle->text().trimmed());
    item->setText(1, dialog.EditUrl->text().trimmed());
    item->setData(0, kIconRole, dialog.IconIndex);
    item->setIcon(0, CardIcon(dialog.IconIndex));
    loading_ = false;
    SaveBookmarks();
}

void Bookmarks::RenameSelected() {
    if (QTreeWidgetItem* item = list_->currentItem(); item && item->isSelected()) list_->editItem(item, 0);
}

bool Bookmarks::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int row = SelectedRow();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && row >= 0) {
            emit openRequested(Record(row).Address);
            return true;
        }
        if (key == Qt::Key_Delete && row >= 0) {
            DeleteSelected();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
