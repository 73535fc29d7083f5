#include "browse/History.h"

#include "browse/Browsers.h"

#include <QKeyEvent>
#include <QListWidget>

History::History(Browsers& pages, QWidget* area)
    : pages_(pages)
    , list_(new QListWidget(area)) {
    list_->setToolTip(QStringLiteral("Double-click an item to open in a new window"));
    list_->installEventFilter(this);
    list_->hide();
    connect(list_, &QListWidget::itemSelectionChanged, this, &History::selectionChanged);
    connect(list_, &QListWidget::itemDoubleClicked, this, &History::ListHistory_DblClick);
}

void History::AddToHistory(const QString& address) {
    list_->insertItem(0, address);
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
