#include "browse/History.h"

#include "browse/Browsers.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// A line: the address as it stands, and the page's title after it in a quieter colour.
class HistoryLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QString title = index.data(History::kTitleRole).toString();
        if (title.isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString address = opt.text;
        opt.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!style) return QStyledItemDelegate::paint(painter, option, index);
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QRect text =
            style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 0, -2, 0);
        const bool selected = opt.state & QStyle::State_Selected;
        const QPalette::ColorGroup group =
            opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        const QColor ink = opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        QColor quiet = ink;
        quiet.setAlphaF(0.6f);
        painter->save();
        painter->setFont(opt.font);
        const QFontMetrics metrics(opt.font);
        // The address keeps at least half the line; the title takes what is left.
        const QString shownAddress =
            metrics.elidedText(address, Qt::ElideMiddle, text.width() / 2 + text.width() / 4);
        const int addressWidth = metrics.horizontalAdvance(shownAddress);
        painter->setPen(ink);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, shownAddress);
        const int gap = metrics.horizontalAdvance(QStringLiteral("    "));
        const QRect titleRect = text.adjusted(addressWidth + gap, 0, 0, 0);
        if (titleRect.width() > 0) {
            painter->setPen(quiet);
            painter->drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
                              metrics.elidedText(title, Qt::ElideRight, titleRect.width()));
        }
        painter->restore();
    }
};

} // namespace

History::History(Browsers& pages, QWidget* area)
    : pages_(pages)
    , list_(new QListWidget(area)) {
    list_->setToolTip(QStringLiteral("Double-click an item to open in a new window"));
    list_->setItemDelegate(new HistoryLineDelegate(list_));
    list_->installEventFilter(this);
    list_->hide();
    connect(list_, &QListWidget::itemSelectionChanged, this, &History::selectionChanged);
    connect(list_, &QListWidget::itemDoubleClicked, this, &History::ListHistory_DblClick);
    connect(&pages_, &Browsers::pageClosed, this, [this](int slot) { pageLine_.remove(slot); });
}

void History::AddToHistory(const QString& address) {
    list_->insertItem(0, address);
    list_->item(0)->setData(kTimeRole, QDateTime::currentMSecsSinceEpoch());
}

void History::AddNavigation(int slot, const QString& address, bool frame) {
    AddToHistory(address);
    if (!frame) pageLine_.insert(slot, list_->item(0));
}

void History::SetPageTitle(int slot, const QString& title) {
    if (QListWidgetItem* line = pageLine_.value(slot); line && line->text() != title)
        line->setData(kTitleRole, title);
}

void History::ClearSince(qint64 since) {
    // Newest first: the lines to remove are at the top.
    while (list_->count() > 0 && list_->item(0)->data(kTimeRole).toLongLong() >= since) {
        QListWidgetItem* line = list_->takeItem(0);
        for (auto it = pageLine_.begin(); it != pageLine_.end();)
            it = it.value() == line ? pageLine_.erase(it) : std::next(it);
        delete line;
    }
}

bool History::LineSelected() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected();
}

QString History::SelectedAddress() const {
    return LineSelected() ? list_->currentItem()->text() : QString();
}

void History::ListHistory_DblClick() {
    ItemFileOpenNew_Click();
}

void History::ItemFileOpenNew_Click() {
    if (pages_.CurInterface() == InterfaceHistory) {
        if (LineSelected()) pages_.OpenInNewBrowser(SelectedAddress());
    } else {
        pages_.OpenInNewBrowser(QString());
    }
}

bool History::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ListHistory_DblClick();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
