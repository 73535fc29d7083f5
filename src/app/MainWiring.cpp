// How the window's menus and controls reach the modules, and how the modules' reports reach the
// controls. The modules' connections to each other are in Composition.cpp.
#include "app/CharacterRequests.h"
#include "app/EditCommands.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "app/MenuState.h"
#include "app/Widgets.h"
#include "bookmarks/BookmarkExchange.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Bookmarks.h"
#include "bookmarks/DesktopCards.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/History.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/SurfCommands.h"
#include "browse/WinShell.h"
#include "decor/PointerGestures.h"
#include "dialogs/FormAboutSplash.h"
#include "music/box/MusicBox.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTabBar>
#include <QTimer>

void FormMain::connectMenus() {
    MainMenus& m = *ui_.Menus;
    Browsers& pages = *m_.Pages;
    PageCommands& commands = *m_.Commands;
    SurfCommands& surf = *m_.Surf;
    CharacterRequests& character = *m_.Character;
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };

    // A new page on the start page, the address box ready for typing.
    on(m.ItemFileNew, [this, &pages] {
        pages.OpenInNewBrowser(QString());
        focusAddressBox();
    });
    on(m.ItemFileOpen, [&commands] { commands.ItemFileOpen_Click(); });
    on(m.ItemFileOpenNew, [this] { m_.HistoryList->ItemFileOpenNew_Click(); });
    on(m.ItemFileOpenExternal, [this, &commands] {
        commands.ItemFileOpenExternal_Click(m_.HistoryList->SelectedAddress(), ui_.EditUrl->text());
    });
    on(m.ItemFileClose, [&pages] { pages.CloseCurrentPage(); });
    on(m.ItemFilePrint, [&commands] { commands.ItemFilePrint_Click(); });
    on(m.ItemFileTellAFriend, [&commands] { commands.ItemFileTellAFriend_Click(); });
    on(m.ItemFileExit, [this] { FileExit(); });
    on(m.ItemEditFind, [&commands] { commands.ItemEditFind_Click(); });
    on(m.ItemSurfReload, [&surf] { surf.ImgReload_Click(); });
    on(m.KeyReload, [&surf] { surf.ImgReload_Click(); });
    on(m.ItemSurfStop, [this] { stopCurrentPage(); });
    on(m.ItemSurfBack, [&surf] { surf.ImgGoBack_Click(); });
    on(m.ItemSurfForward, [&surf] { surf.ImgGoForward_Click(); });
    on(m.ItemSurfStartupPage, [&surf] { surf.ItemSurfStartupPage_Click(); });
    on(m.ItemSurfSearchPage, [&surf] { surf.ItemSurfSearchPage_Click(); });
    on(m.ItemSurfWelcomePage, [&surf] { surf.ItemSurfWelcomePage_Click(); });
    on(m.ItemSurfAddToBookmarks, [this] { addPageToBookmarks(); });
    on(m.ItemHelpWeb, [&commands] { commands.ItemHelpWeb_Click(); });
    on(m.ItemHelpAbout, [this, &character] {
        StartThemeSongTimer();
        ShowAboutBox(this, [&character] { character.Script(QStringLiteral("help_about")); });
    });
    // The tab menu acts on the tab it was opened on, otherwise on the page on show.
    on(m.ItemTabOpenExternal, [this, &commands] {
        const int slot = menuTabSlot_ ? menuTabSlot_ : m_.Pages->CurBrowser();
        const PageShown* shown = m_.Events->Shown(slot);
        if (slot == m_.Pages->CurBrowser())
            commands.ItemTabOpenExternal_Click(ui_.EditUrl->text());
        else if (shown)
            commands.ItemTabOpenExternal_Click(shown->AddressText);
    });
    on(m.ItemTabClose, [this, &pages] {
        if (menuTabSlot_)
            pages.ClosePage(menuTabSlot_);
        else
            pages.CloseCurrentPage();
    });
    // The menu's command comes right after it closes; then the menu is no tab's any more.
    connect(m.MenuTab, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, [this] { menuTabSlot_ = 0; }); });
    on(m.ItemTabShowBookmarks, [&pages] { pages.SelectTab(TabBookmarks); });
    on(m.ItemTabShowHistory, [&pages] { pages.SelectTab(TabHistory); });
    on(m.ItemTabWhatsThis, [&character] { character.Script(QStringLiteral("whatsthis_tab"), true); });
    on(m.KeyFocusAddress, [this] { focusAddressBox(); });
    on(m.KeyNextTab, [&pages] { pages.SwitchToNeighbourTab(1); });
    on(m.KeyPreviousTab, [&pages] { pages.SwitchToNeighbourTab(-1); });
    on(m.KeyZoomIn, [&commands] { commands.Zoom(1); });
    on(m.KeyZoomOut, [&commands] { commands.Zoom(-1); });
    on(m.KeyZoomReset, [&commands] { commands.Zoom(0); });
    new EditCommands(m, *ui_.EditUrl, pages, *m_.BookmarkList, *m_.HistoryList, this);
    // Escape stops a loading page wherever the focus is, the page itself included.
    on(m.KeyEscape, [this, &commands] {
        if (!ui_.ImgStop->isHidden())
            stopCurrentPage();
        else if (!commands.Finder()->isHidden())
            commands.Finder()->Close();
    });
}

void FormMain::connectBookmarkMenus() {
    MainMenus& m = *ui_.Menus;
    Bookmarks& bookmarks = *m_.BookmarkList;
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
    auto selectedAddress = [&bookmarks] {
        const int row = bookmarks.SelectedRow();
        return row < 0 ? QString() : bookmarks.Record(row).Address;
    };
    on(m.ItemBookmarksOpenNew, [this, selectedAddress] {
        if (const QString address = selectedAddress(); !address.isEmpty())
            m_.Pages->OpenInNewBrowser(address);
    });
    on(m.ItemBookmarksOpenExternal, [selectedAddress] {
        if (const QString address = selectedAddress(); !address.isEmpty()) WinShell::OpenExternal(address);
    });
    on(m.ItemBookmarksDelete, [&bookmarks] { bookmarks.DeleteSelected(); });
    on(m.ItemBookmarksRename, [&bookmarks] { bookmarks.RenameSelected(); });
    on(m.ItemBookmarksProperties,
       [&bookmarks] { bookmarks.EditBookmarkProperties(bookmarks.SelectedRow()); });
    for (int mode = 0; mode < 4; ++mode)
        on(m.ItemBmView[mode], [&bookmarks, mode] { bookmarks.SetViewMode(mode); });
    on(m.ItemBmViewAutoArrange, [&bookmarks] { bookmarks.ToggleAutoArrange(); });
    connect(&bookmarks, &Bookmarks::viewModeChanged, this,
            [this](int mode, bool autoArrange, bool canArrange) {
                ui_.Menus->ItemBmView[mode]->setChecked(true); // the group unchecks the others
                ui_.Menus->ItemBmViewAutoArrange->setChecked(autoArrange);
                ui_.Menus->ItemBmViewAutoArrange->setEnabled(canArrange);
            });
    on(m.ItemBookmarksImport, [this] { RunImportBookmarksDialog(this, *m_.BookmarkList); });
    on(m.ItemBookmarksExport, [this] { RunExportBookmarksDialog(this, *m_.BookmarkList); });
    on(m.ItemBookmarksWhatsThis,
       [this] { m_.Character->Script(QStringLiteral("whatsthis_bookmarks"), true); });
    connect(&bookmarks, &Bookmarks::menuKeyPressed, this, &FormMain::showBookmarkMenu);
    connect(m_.Gestures.get(), &PointerGestures::menuRequested, this, [this](int kind, int, QPoint at) {
        if (kind == PointerGestures::KindBookmarkList) showBookmarkMenu(at);
    });
}

void FormMain::connectCardMenu() {
    MainMenus& m = *ui_.Menus;
    DesktopCards& cards = *m_.CardRules;
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };
    on(m.ItemCardOpen, [&cards] { cards.OpenMenuCard(); });
    on(m.ItemCardOpenNew, [&cards] { cards.OpenMenuCardInNewPage(); });
    on(m.ItemCardAddToBookmarks, [&cards] { cards.AddMenuCardToBookmarks(); });
    on(m.ItemCardDelete, [&cards] { cards.DeleteMenuCard(); });
    on(m.ItemCardProperties, [&cards] { cards.EditMenuCard(); });
    on(m.ItemCardWhatsThis, [this, &cards] {
        m_.Character->Script(QStringLiteral("whatsthis_card"), true, {cards.MenuCardName()});
    });
    connect(m_.Gestures.get(), &PointerGestures::menuRequested, this,
            [this, &cards](int kind, int index, QPoint at) {
                if (kind != PointerGestures::KindCard) return;
                MainMenus& menus = *ui_.Menus;
                cards.SetMenuCard(index);
                menus.MenuCard->setDefaultAction(menus.ItemCardOpen->isVisible() ? menus.ItemCardOpen
                                                                                 : menus.ItemCardOpenNew);
                menus.MenuCard->popup(at);
            });
}

void FormMain::connectControls() {
    SurfCommands& surf = *m_.Surf;
    connect(ui_.EditUrl, &QLineEdit::returnPressed, this, [this, &surf] {
        ui_.EditUrl->setModified(false); // from now on the page's address may show
        surf.EditUrl_Enter(ui_.EditUrl->text());
    });
    connect(ui_.ImgGoBack, &ImageButton::clicked, this, [&surf] { surf.ImgGoBack_Click(); });
    connect(ui_.ImgGoForward, &ImageButton::clicked, this, [&surf] { surf.ImgGoForward_Click(); });
    connect(ui_.ImgStop, &ImageButton::clicked, this, [this] { stopCurrentPage(); });
    connect(ui_.ImgReload, &ImageButton::clicked, this, [&surf] { surf.ImgReload_Click(); });
    connect(ui_.TabMain, &QTabBar::customContextMenuRequested, this, &FormMain::showTabMenu);
    // A page closes from its tab's close button or a middle click on the tab.
    auto closeTab = [this](int index) { m_.Pages->ClosePage(m_.Pages->SlotOfTab(index + 1)); };
    connect(ui_.TabMain, &QTabBar::tabCloseRequested, this, closeTab);
    connect(static_cast<TabStrip*>(ui_.TabMain), &TabStrip::middleClicked, this, closeTab);
}

void FormMain::connectReports() {
    Browsers* pages = m_.Pages.get();
    PageEvents* events = m_.Events.get();

    // The address box as the user left it goes with the page and comes back with it.
    connect(pages, &Browsers::pageLeaving, this, [this](int slot) {
        const QLineEdit* edit = ui_.EditUrl;
        m_.Events->KeepAddressBox(slot, edit->text(),
                                  edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition(),
                                  int(edit->selectedText().size()));
    });
    connect(pages, &Browsers::paneChanged, this, &FormMain::showPane);
    connect(events, &PageEvents::addressTextChanged, this, [this](const QString& text) {
        QLineEdit* edit = ui_.EditUrl;
        // What the user is typing is never replaced by a page's address; a box with the focus keeps
        // its text selected, so that typing replaces it.
        if (edit->hasFocus() && edit->isModified()) return;
        edit->setText(text);
        if (edit->hasFocus()) edit->selectAll();
    });
    connect(events, &PageEvents::addressShown, this, &FormMain::showAddressBox);
    connect(events, &PageEvents::statusTextChanged, ui_.PicStatusBar, &StatusBarPicture::Print);
    connect(events, &PageEvents::windowCaptionChanged, this, &QWidget::setWindowTitle);
    connect(events, &PageEvents::cornerChanged, this, [this](int corner, bool shown) {
        ImageButton* images[] = {nullptr, ui_.ImgGoBack, ui_.ImgGoForward, ui_.ImgStop, ui_.ImgReload};
        images[corner]->setVisible(shown);
    });
    connect(m_.Gestures.get(), &PointerGestures::moved, this, [this] { updateBadDropRects(); });
    connect(m_.HistoryList.get(), &History::selectionChanged, this, [this] {
        ui_.Menus->Apply(MenuStateFor(m_.Pages->CurInterface(), m_.HistoryList->LineSelected()));
    });
}

void FormMain::showTabMenu(QPoint at) {
    const int index = ui_.TabMain->tabAt(at);
    if (index < 0) return;
    MainMenus& m = *ui_.Menus;
    menuTabSlot_ = m_.Pages->SlotOfTab(index + 1);
    // The page commands only for a page's tab; the lists are always there.
    m.ItemTabOpenExternal->setVisible(menuTabSlot_ >= 1);
    m.ItemTabClose->setVisible(menuTabSlot_ >= 1);
    m.MenuTab->popup(ui_.TabMain->mapToGlobal(at));
}

void FormMain::focusAddressBox() {
    if (!ui_.EditUrl->isEnabled()) return;
    ui_.EditUrl->setFocus();
    ui_.EditUrl->selectAll();
}

void FormMain::updateBadDropRects() {
    DropRules::Places places;
    places.paneLeft = layout_.paneLeft;
    places.topStrip = layout_.regionBulbs[0];
    places.rightStrip = layout_.regionBulbs[1];
    places.stopImage = QRect(layout_.stop, QSize(16, 16));
    places.editUrl = layout_.editUrl;
    places.statusBar = layout_.statusBar;
    places.tabStrip = layout_.tabMain;
    places.musicBox = ui_.ImgRadio->geometry();
    m_.Drops.UpdateBadDropRects(places);
}

void FormMain::showBookmarkMenu(QPoint globalAt) {
    MainMenus& m = *ui_.Menus;
    const bool selected = m_.BookmarkList->SelectedRow() >= 0;
    for (QAction* item :
         {m.ItemBookmarksOpenNew, m.ItemBookmarksOpenExternal, m.ItemBookmarksSep1, m.ItemBookmarksDelete,
          m.ItemBookmarksRename, m.ItemBookmarksProperties, m.ItemBookmarksSep2})
        item->setVisible(selected);
    m.MenuBookmarks->setDefaultAction(selected ? m.ItemBookmarksOpenNew : nullptr);
    m.MenuBookmarks->popup(globalAt);
}

void FormMain::addPageToBookmarks() {
    if (m_.Pages->CurInterface() == InterfaceHistory) {
        if (const QString line = m_.HistoryList->SelectedAddress(); !line.isEmpty())
            m_.BookmarkList->AddToBookmarks(line, line, 1);
    } else if (m_.Pages->CurInterface() == InterfaceBrowser && m_.Pages->Current()) {
        const int slot = m_.Pages->CurBrowser();
        const PageShown* shown = m_.Events->Shown(slot);
        m_.BookmarkList->AddToBookmarks(m_.Pages->Page(slot).Title, shown ? shown->AddressText : QString(),
                                        1);
    }
}

void FormMain::stopCurrentPage() {
    m_.Surf->ImgStop_Click();
    ui_.ImgStop->hide(); // the page's stop flag stays as it is
}

void FormMain::showPane(Interface pane) {
    QListWidget* history = m_.HistoryList->List();
    history->setVisible(pane == InterfaceHistory);
    ui_.ListBookmarks->setVisible(pane == InterfaceBookmarks);
    if (pane == InterfaceHistory) history->raise();
    if (pane == InterfaceBookmarks) ui_.ListBookmarks->raise();
    // A list on show takes the keys, however it was chosen; not from a tab strip being walked
    // with the arrow keys.
    if (!ui_.TabMain->hasFocus()) {
        if (pane == InterfaceHistory) history->setFocus();
        if (pane == InterfaceBookmarks) ui_.ListBookmarks->CurrentView()->setFocus();
    }
    ui_.Menus->Apply(MenuStateFor(pane, m_.HistoryList->LineSelected()));
    ui_.EditUrl->setEnabled(pane == InterfaceBrowser);
}

void FormMain::showAddressBox(const QString& text, int selStart, int selLength) {
    ui_.EditUrl->setText(text);
    if (selLength > 0)
        ui_.EditUrl->setSelection(selStart, selLength);
    else
        ui_.EditUrl->setCursorPosition(selStart);
}
