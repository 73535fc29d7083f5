#include "browse/History.h"

#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "browse/Browsers.h"

#include <QAction>
#include <QListWidget>

History::History(FormMain& window)
    : w_(window) {}

void History::AddToHistory(const QString& address) {
    w_.ListHistory->insertItem(0, address);
}

QString History::SelectedAddress() const {
    const QListWidgetItem* item = w_.ListHistory->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void History::ListHistory_Click() {
    const QListWidgetItem* item = w_.ListHistory->currentItem();
    const bool selected = item && item->isSelected();
    w_.Menus->ItemFileOpenNew->setEnabled(selected);
    w_.Menus->ItemFileOpenExternal->setEnabled(selected);
    w_.Menus->ItemSurfAddToBookmarks->setEnabled(selected);
}

void History::ListHistory_DblClick() {
    ItemFileOpenNew_Click();
}

void History::ItemFileOpenNew_Click() {
    if (w_.Pages->CurInterface == InterfaceHistory) {
        const QListWidgetItem* item = w_.ListHistory->currentItem();
        if (item && item->isSelected()) w_.Pages->OpenInNewBrowser(item->text());
    } else {
        w_.Pages->OpenInNewBrowser(QString());
    }
}
