#include "bookmarks/Bookmarks.h"

#include "bookmarks/BookmarkClipboard.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/CardIcons.h"
#include "bookmarks/FormProperties.h"
#include "bookmarks/NetscapeBookmarks.h"
#include "decor/PointerGestures.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QSet>
#include <QStandardItemModel>
#include <QTreeView>

namespace {
constexpr int kIconRole = Qt::UserRole + 1;

// Sorted as people read names: without regard to case.
class BookmarkItem : public QStandardItem {
public:
    using QStandardItem::QStandardItem;
    bool operator<(const QStandardItem& other) const override {
        return QString::compare(text(), other.text(), Qt::CaseInsensitive) < 0;
    }
    QStandardItem* clone() const override { return new BookmarkItem(*this); }
};
} // namespace

Bookmarks::Bookmarks(QWidget* area, PointerGestures& gestures, const QString& file)
    : gestures_(gestures)
    , model_(new QStandardItemModel(0, 2, this))
    , view_(new BookmarkView(model_, area))
    , file_(file) {
    RunPropertiesDialog = [](FormProperties& dialog) { dialog.exec(); };
    model_->setHorizontalHeaderLabels({QStringLiteral("Title"), QStringLiteral("URL")});
    view_->hide();
    for (QAbstractItemView* list : {static_cast<QAbstractItemView*>(view_->IconView()),
                                    static_cast<QAbstractItemView*>(view_->DetailsView())}) {
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        connect(list, &QAbstractItemView::doubleClicked, this, [this] {
            if (const int row = SelectedRow(); row >= 0) emit openRequested(Record(row).Address);
        });
    }
    connect(view_->DetailsView()->header(), &QHeaderView::sectionClicked, this, &Bookmarks::SortByColumn);
    connect(view_->Selection(), &QItemSelectionModel::selectionChanged, this, &Bookmarks::selectionChanged);
    // An in-place rename is always kept, an empty name too.
    connect(model_, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (item->column() != 0 || loading_) return;
        keepSorted();
        SaveBookmarks();
    });
}

Bookmarks::~Bookmarks() = default;

QList<QStandardItem*> Bookmarks::makeRow(const BookmarkRecord& record) const {
    auto* name = new BookmarkItem(CardIcon(record.Icon), record.Name);
    name->setData(record.HasIcon ? record.Icon : -1, kIconRole);
    name->setToolTip(record.Address);
    auto* address = new BookmarkItem(record.Address);
    address->setEditable(false);
    address->setToolTip(record.Address);
    return {name, address};
}

void Bookmarks::append(const BookmarkRecord& record) {
    loading_ = true; // adding the item is not a rename
    model_->appendRow(makeRow(record));
    loading_ = false;
}

void Bookmarks::keepSorted() {
    if (sortColumn_ < 0) return;
    const bool wasLoading = loading_;
    loading_ = true;
    model_->sort(sortColumn_, sortOrder_);
    loading_ = wasLoading;
}

void Bookmarks::SetViewMode(int mode) {
    view_->SetMode(mode);
    const int shown = view_->Mode();
    emit viewModeChanged(shown, view_->AutoArrange(),
                         shown == BookmarkView::LargeIcons || shown == BookmarkView::SmallIcons);
}

void Bookmarks::ToggleAutoArrange() {
    view_->SetAutoArrange(!view_->AutoArrange());
    SetViewMode(view_->Mode());
}

void Bookmarks::LoadBookmarks() {
    const BookmarkLoad load = LoadBookmarkFile(file_);
    for (const BookmarkRecord& record : load.Records)
        append(record);
    if (load.Status == BookmarkLoadStatus::Ok) return;
    // The first run has no file yet: the character hears of it, the user needs no message.
    const QString where = QDir::toNativeSeparators(file_);
    QString message;
    if (!load.Records.isEmpty())
        message = QStringLiteral("Only part of the bookmarks could be read from %1.").arg(where);
    else if (QFileInfo::exists(file_))
        message = QStringLiteral("No bookmarks could be read from %1.").arg(where);
    emit problem(QStringLiteral("bookmarks_not_loaded"), message);
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
    append({name, address, icon, true});
    keepSorted();
    SaveBookmarks();
}

bool Bookmarks::AddToBookmarks(const QString& name, const QString& address, int icon) {
    if (const int known = Find(address); known >= 0) {
        SelectRow(known);
        emit statusText(QStringLiteral("Already in bookmarks"));
        return false;
    }
    AddBookmark(name, address, icon);
    emit statusText(QStringLiteral("Added to bookmarks"));
    return true;
}

int Bookmarks::Find(const QString& address) const {
    for (int row = 0; row < Count(); ++row)
        if (SameAddress(Record(row).Address, address)) return row;
    return -1;
}

int Bookmarks::Count() const {
    return model_->rowCount();
}

BookmarkRecord Bookmarks::Record(int row) const {
    const QStandardItem* name = model_->item(row, 0);
    const QStandardItem* address = model_->item(row, 1);
    if (!name || !address) return {};
    const int icon = name->data(kIconRole).toInt();
    return {name->text(), address->text(), qMax(0, icon), icon >= 0};
}

int Bookmarks::SelectedRow() const {
    const QModelIndex current = view_->Selection()->currentIndex();
    if (current.isValid() && view_->Selection()->isSelected(current.siblingAtColumn(0))) return current.row();
    const QModelIndexList selected = view_->Selection()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void Bookmarks::SelectRow(int row) {
    const QModelIndex index = model_->index(row, 0);
    view_->Selection()->setCurrentIndex(index,
                                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void Bookmarks::DeleteSelected() {
    const int row = SelectedRow();
    if (row < 0) return;
    model_->removeRow(row);
    SaveBookmarks();
}

void Bookmarks::CopySelected() const {
    if (const int row = SelectedRow(); row >= 0)
        QGuiApplication::clipboard()->setMimeData(BookmarkMimeData({Record(row)}));
}

void Bookmarks::CutSelected() {
    if (SelectedRow() < 0) return;
    CopySelected();
    DeleteSelected();
}

void Bookmarks::Paste(const QMimeData& data) {
    const QList<BookmarkRecord> pasted = BookmarksFromMimeData(data);
    int added = 0;
    for (const BookmarkRecord& bookmark : pasted) {
        if (Find(bookmark.Address) >= 0) continue;
        append(bookmark);
        ++added;
    }
    if (added > 0) {
        keepSorted();
        SaveBookmarks();
    }
    // The last one pasted is selected, new or known.
    if (!pasted.isEmpty()) SelectRow(Find(pasted.last().Address));
    if (pasted.size() == 1)
        emit statusText(added ? QStringLiteral("Added to bookmarks")
                              : QStringLiteral("Already in bookmarks"));
    else if (pasted.size() > 1)
        emit statusText(QStringLiteral("%1 of %2 links added to bookmarks").arg(added).arg(pasted.size()));
}

bool Bookmarks::CanPaste(const QMimeData* data) {
    return data && !BookmarksFromMimeData(*data).isEmpty();
}

void Bookmarks::Rename(int row, const QString& name) {
    if (QStandardItem* item = model_->item(row, 0)) item->setText(name); // saved by itemChanged
}

void Bookmarks::EditBookmarkProperties(int row) {
    QStandardItem* name = model_->item(row, 0);
    if (!name) return;
    const BookmarkRecord record = Record(row);
    FormProperties dialog(view_->window());
    dialog.Init(PointerGestures::KindBookmarkList, record.Name, record.Address, record.Icon);
    RunPropertiesDialog(dialog);
    if (dialog.Result != ResultOK) return;
    loading_ = true; // one save for the whole edit
    const QString address = dialog.EditUrl->text().trimmed();
    name->setText(dialog.EditTitle->text().trimmed());
    name->setData(dialog.IconIndex, kIconRole);
    name->setIcon(CardIcon(dialog.IconIndex));
    name->setToolTip(address);
    model_->item(row, 1)->setText(address);
    model_->item(row, 1)->setToolTip(address);
    loading_ = false;
    keepSorted();
    SaveBookmarks();
}

void Bookmarks::RenameSelected() {
    const int row = SelectedRow();
    if (row >= 0) view_->CurrentView()->edit(model_->index(row, 0));
}

void Bookmarks::SortByColumn(int column) {
    if (column < 0 || column > 1) return;
    // A new key keeps the order the list was sorted in before.
    if (column == sortColumn_)
        sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortColumn_ = column;
    QHeaderView* header = view_->DetailsView()->header();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, sortOrder_);
    keepSorted();
    SaveBookmarks();
}

QString Bookmarks::ImportFrom(const QString& path) {
    QSet<QString> known;
    for (int row = 0; row < Count(); ++row)
        known.insert(Record(row).Address);
    const NetscapeImport import = ImportNetscapeFile(path, known);
    for (const BookmarkRecord& record : import.Bookmarks)
        append(record);
    if (!import.Bookmarks.isEmpty()) {
        keepSorted();
        SaveBookmarks();
    }
    QString text = import.Bookmarks.size() == 1
                       ? QStringLiteral("1 bookmark was imported.")
                       : QStringLiteral("%1 bookmarks were imported.").arg(import.Bookmarks.size());
    if (import.Duplicates == 1)
        text += QStringLiteral(" 1 was in the list already.");
    else if (import.Duplicates > 1)
        text += QStringLiteral(" %1 were in the list already.").arg(import.Duplicates);
    if (!import.Problem.isEmpty()) text += QLatin1Char('\n') + import.Problem;
    return text;
}

bool Bookmarks::ExportTo(const QString& path) const {
    QList<BookmarkRecord> records;
    for (int row = 0; row < Count(); ++row)
        records.append(Record(row));
    return ExportNetscapeFile(path, records);
}

bool Bookmarks::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool viewport =
        widget == view_->IconView()->viewport() || widget == view_->DetailsView()->viewport();
    if (viewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = event->isPointerEvent() ? mouse->position().toPoint() : QPoint();
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            gestures_.Generic_MouseDown(widget, PointerGestures::KindBookmarkList, -1, mouse->button(), at);
            break;
        case QEvent::MouseMove:
            gestures_.Generic_MouseMove(widget, PointerGestures::KindBookmarkList, -1, mouse->buttons(), at);
            break;
        case QEvent::MouseButtonRelease:
            gestures_.Generic_MouseUp(widget, PointerGestures::KindBookmarkList, -1, mouse->button(), at);
            gestures_.Generic_Click(PointerGestures::KindBookmarkList);
            break;
        case QEvent::ContextMenu:
            if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse) break;
            return true; // the menu comes with the right button's release
        default:
            break;
        }
        return false; // the list still selects, edits and scrolls
    }
    if (event->type() == QEvent::ContextMenu) {
        // The menu key: the menu opens by the selected bookmark, or in the list's corner.
        QAbstractItemView* list = view_->CurrentView();
        const QRect item = list->visualRect(model_->index(SelectedRow(), 0));
        const QPoint at = item.isValid() ? item.center() : QPoint(8, 8);
        emit menuKeyPressed(list->viewport()->mapToGlobal(at));
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = SelectedRow();
        // Keys that end or edit a rename reach the list too: they belong to the editor.
        if (view_->Renaming()) return false;
        // The clipboard holds the bookmark's address, not the text of the list's line.
        if (key->matches(QKeySequence::Copy)) {
            CopySelected();
            return true;
        }
        if (key->matches(QKeySequence::Cut)) {
            CutSelected();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) Paste(*data);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && row >= 0) {
            emit openRequested(Record(row).Address);
            return true;
        }
        if (key->key() == Qt::Key_Delete && row >= 0) {
            DeleteSelected();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
