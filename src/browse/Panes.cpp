// Which pane the browser area shows, and the menus and controls that follow it.
#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/Navigation.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidget>

void Browsers::SelectInterface_Browser() {
    CurInterface = InterfaceBrowser;
    w_.ListHistory->hide();
    w_.ListBookmarks->hide();
    MainMenus& m = *w_.Menus;
    m.ItemFileNew->setEnabled(true);
    m.ItemFileOpen->setVisible(true);
    m.ItemFileOpenNew->setVisible(false);
    m.ItemFileClose->setEnabled(true);
    m.ItemFileOpenExternal->setEnabled(true);
    m.ItemFilePrint->setEnabled(true);
    for (QAction* a : {m.ItemEditCut, m.ItemEditCopy, m.ItemEditPaste, m.ItemEditSep1})
        a->setVisible(false);
    m.ItemEditFind->setEnabled(true);
    m.ItemEditOptions->setEnabled(true);
    for (QAction* a :
         {m.ItemSurfReload, m.ItemSurfStop, m.ItemSurfBack, m.ItemSurfForward, m.ItemSurfAddToBookmarks,
          m.ItemSurfStartupPage, m.ItemSurfSearchPage, m.ItemSurfWelcomePage})
        a->setEnabled(true);
    m.MenuLinks->setEnabled(true);
    m.ItemCardOpen->setVisible(true);
    if (InUse(CurBrowser)) w_.Nav->ShowCorners(pages_[CurBrowser]);
    w_.EditUrl->setEnabled(true);
    w_.Nav->SetStatusBarText(QString());
    App().Agent->VoiceCommandVisible(QStringLiteral("read"), true);
}

void Browsers::setMenusForList(bool history) {
    w_.ListHistory->setVisible(history);
    w_.ListBookmarks->setVisible(!history);
    (history ? static_cast<QWidget*>(w_.ListHistory) : w_.ListBookmarks)->raise();
    if (BrowserControl* page = Current()) page->View()->hide();

    const bool lineSelected =
        history && w_.ListHistory->currentItem() && w_.ListHistory->currentItem()->isSelected();
    MainMenus& m = *w_.Menus;
    m.ItemFileNew->setEnabled(true);
    m.ItemFileOpen->setVisible(false);
    m.ItemFileOpenNew->setVisible(true);
    m.ItemFileOpenNew->setEnabled(!history || lineSelected); // a history click may have turned it off
    m.ItemFileClose->setEnabled(false);
    m.ItemFileOpenExternal->setEnabled(lineSelected);
    m.ItemFilePrint->setEnabled(!history);
    for (QAction* a : {m.ItemEditCut, m.ItemEditCopy, m.ItemEditPaste, m.ItemEditSep1})
        a->setVisible(true);
    for (QAction* a : {m.ItemEditCut, m.ItemEditCopy, m.ItemEditPaste, m.ItemEditFind})
        a->setEnabled(false);
    m.ItemEditOptions->setEnabled(true);
    for (QAction* a : {m.ItemSurfReload, m.ItemSurfStop, m.ItemSurfBack, m.ItemSurfForward,
                       m.ItemSurfStartupPage, m.ItemSurfSearchPage, m.ItemSurfWelcomePage})
        a->setEnabled(false);
    m.ItemSurfAddToBookmarks->setEnabled(lineSelected);
    m.MenuLinks->setEnabled(false);
    m.ItemCardOpen->setVisible(false);
    for (QWidget* image : {w_.ImgGoBack, w_.ImgGoForward, w_.ImgStop, w_.ImgReload})
        image->hide();
    w_.EditUrl->setEnabled(false);
    w_.Nav->SetStatusBarText(QString());
    App().Agent->VoiceCommandVisible(QStringLiteral("read"), false);
}

void Browsers::SelectInterface_History() {
    CurInterface = InterfaceHistory;
    setMenusForList(true);
}

void Browsers::SelectInterface_Bookmarks() {
    CurInterface = InterfaceBookmarks;
    setMenusForList(false);
}

void Browsers::SetupTabMenu() {
    MainMenus& m = *w_.Menus;
    const bool browser = CurInterface == InterfaceBrowser;
    m.ItemTabOpenExternal->setVisible(browser);
    m.ItemTabClose->setVisible(browser);
    m.ItemTabShowBookmarks->setVisible(CurInterface != InterfaceBookmarks);
    m.ItemTabShowHistory->setVisible(CurInterface != InterfaceHistory);
}
