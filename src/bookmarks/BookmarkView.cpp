#include "bookmarks/BookmarkView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QListView>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>

namespace {
// A bookmark's tool tip: its whole title, which the list may have cut short, and its address.
class BookmarkTipDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString title = index.siblingAtColumn(0).data(Qt::DisplayRole).toString();
        const QString address = index.data(Qt::ToolTipRole).toString();
        QToolTip::showText(
            event->globalPos(),
            title.isEmpty() || title == address ? address : title + QLatin1Char('\n') + address, view);
        return true;
    }
};

// A bookmark's face in the small icons and list views: never wider than the grid's cell, so that a
// long title is cut short with an ellipsis instead of running over its neighbours.
class GridItemDelegate : public BookmarkTipDelegate {
public:
    explicit GridItemDelegate(QListView* view)
        : BookmarkTipDelegate(view)
        , view_(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = BookmarkTipDelegate::sizeHint(option, index);
        // Large icons wrap and cut their titles inside the cell by themselves.
        const QSize grid = view_->gridSize();
        if (view_->viewMode() == QListView::ListMode && grid.isValid())
            size = size.boundedTo(grid - QSize(2 * view_->spacing() + 4, 0));
        return size;
    }

private:
    QListView* view_;
};

void setUpView(QAbstractItemView* view) {
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Renamed with F2 or the menu only: a click on the selected bookmark must leave Delete to the
    // bookmark, not to the text of a rename.
    view->setEditTriggers(QAbstractItemView::EditKeyPressed);
    view->setDragDropMode(QAbstractItemView::NoDragDrop);
}
} // namespace

BookmarkView::BookmarkView(QStandardItemModel* model, QWidget* parent)
    : QStackedWidget(parent)
    , icons_(new QListView(this))
    , details_(new QTreeView(this)) {
    icons_->setModel(model);
    details_->setModel(model);
    icons_->setSelectionModel(details_->selectionModel());
    setUpView(icons_);
    setUpView(details_);
    icons_->setItemDelegate(new GridItemDelegate(icons_));
    details_->setItemDelegate(new BookmarkTipDelegate(details_));
    icons_->setTextElideMode(Qt::ElideRight);
    details_->setRootIsDecorated(false);
    details_->setUniformRowHeights(true);
    details_->setIconSize(QSize(16, 16));
    details_->setSelectionBehavior(QAbstractItemView::SelectRows);
    details_->setAllColumnsShowFocus(true);
    details_->header()->setSectionsClickable(true);
    details_->header()->setSectionsMovable(false);
    details_->header()->resizeSection(0, 320);
    addWidget(icons_);
    addWidget(details_);
    SetMode(Details);
}

QAbstractItemView* BookmarkView::CurrentView() const {
    return mode_ == Details ? static_cast<QAbstractItemView*>(details_) : icons_;
}

QItemSelectionModel* BookmarkView::Selection() const {
    return details_->selectionModel();
}

bool BookmarkView::Renaming() const {
    // The editor lies on the list while it is open, and is hidden as it closes.
    const QList<QWidget*> onList =
        CurrentView()->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(onList.begin(), onList.end(),
                       [](const QWidget* editor) { return !editor->isHidden(); });
}

void BookmarkView::SetMode(int mode) {
    mode_ = qBound(0, mode, 3);
    const bool hadFocus = CurrentView()->hasFocus() || icons_->hasFocus();
    if (mode_ == Details) {
        setCurrentWidget(details_);
    } else {
        const bool large = mode_ == LargeIcons;
        icons_->setViewMode(large ? QListView::IconMode : QListView::ListMode);
        icons_->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
        icons_->setGridSize(large ? QSize(104, 76) : mode_ == SmallIcons ? QSize(200, 22) : QSize(240, 20));
        icons_->setSpacing(large ? 4 : 0);
        icons_->setWordWrap(large); // a large icon's name may take two lines under it
        icons_->setWrapping(true);
        icons_->setResizeMode(QListView::Adjust);
        setCurrentWidget(icons_);
    }
    arrange();
    if (hadFocus) CurrentView()->setFocus();
}

void BookmarkView::SetAutoArrange(bool on) {
    autoArrange_ = on;
    arrange();
}

void BookmarkView::arrange() {
    if (mode_ == Details) return;
    // Large icons may be placed freely unless arranged (the list view keeps their places); the
    // other faces are always laid out, in rows or in columns.
    const bool free = mode_ == LargeIcons && !autoArrange_;
    icons_->setMovement(free ? QListView::Free : QListView::Static);
    if (mode_ == List || (autoArrange_ && mode_ == SmallIcons))
        icons_->setFlow(QListView::TopToBottom);
    else
        icons_->setFlow(QListView::LeftToRight);
    icons_->doItemsLayout();
}
