// How the window's menus, controls and modules are connected: every event goes to the module that
// owns its concern, and the modules' reports come back here to reach the controls.
#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "app/MenuState.h"
#include "app/Widgets.h"
#include "bookmarks/BookmarkExchange.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Bookmarks.h"
#include "bookmarks/BulbGestures.h"
#include "bookmarks/Cards.h"
#include "bookmarks/LightString.h"
#include "bookmarks/PointerGestures.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/History.h"
#include "browse/LinksMenu.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/SurfCommands.h"
#include "browse/WinShell.h"
#include "decor/Snowfall.h"
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
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };

    on(m.ItemFileNew, [&pages] { pages.OpenInNewBrowser(QString()); });
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
    on(m.ItemHelpWeb, [&commands] { commands.ItemHelpWeb_Click(); });
    on(m.ItemHelpAbout, [this] {
        StartThemeSongTimer();
        ShowAboutBox(this);
    });
    on(m.ItemTabOpenExternal, [this, &commands] { commands.ItemTabOpenExternal_Click(ui_.EditUrl->text()); });
    on(m.ItemTabClose, [&pages] { pages.CloseCurrentPage(); });
    on(m.ItemTabShowBookmarks, [&pages] { pages.SelectTab(1); });
    on(m.ItemTabShowHistory, [&pages] { pages.SelectTab(2); });
    on(m.ItemTabWhatsThis, [] { App().Agent->Script(QStringLiteral("whatsthis_tab"), true); });
    on(m.ItemSurfAddToBookmarks, [this] { addPageToBookmarks(); });
    on(m.ItemCardAddToBookmarks, [this] {
        const int card = m_.Gestures->ContextItem;
        if (!m_.Desktop->InUse(card)) return;
        const CardRecord& record = m_.Desktop->Card(card);
        m_.BookmarkList->AddBookmark(record.Name, record.Address, record.Icon);
    });
    auto selectedBookmark = [this] {
        const int row = m_.BookmarkList->SelectedRow();
        return row < 0 ? QString() : m_.BookmarkList->Record(row).Address;
    };
    on(m.ItemBookmarksOpenNew, [this, selectedBookmark] {
        if (const QString address = selectedBookmark(); !address.isEmpty())
            m_.Pages->OpenInNewBrowser(address);
    });
    on(m.ItemBookmarksOpenExternal, [selectedBookmark] {
        if (const QString address = selectedBookmark(); !address.isEmpty()) WinShell::OpenExternal(address);
    });
    on(m.ItemBookmarksDelete, [this] { m_.BookmarkList->DeleteSelected(); });
    on(m.ItemBookmarksRename, [this] { m_.BookmarkList->RenameSelected(); });
    on(m.ItemBookmarksProperties,
       [this] { m_.BookmarkList->EditBookmarkProperties(m_.BookmarkList->SelectedRow()); });
    for (int mode = 0; mode < 4; ++mode)
        on(m.ItemBmView[mode], [this, mode] { setBookmarkView(mode); });
    on(m.ItemBmViewAutoArrange, [this] {
        BookmarkView& view = *ui_.ListBookmarks;
        view.SetAutoArrange(!view.AutoArrange());
        ui_.Menus->ItemBmViewAutoArrange->setChecked(view.AutoArrange());
    });
    on(m.ItemBookmarksImport, [this] { RunImportBookmarksDialog(this, *m_.BookmarkList); });
    on(m.ItemBookmarksExport, [this] { RunExportBookmarksDialog(this, *m_.BookmarkList); });
    on(m.ItemBookmarksWhatsThis, [] { App().Agent->Script(QStringLiteral("whatsthis_bookmarks"), true); });
    on(m.ItemCardOpen, [this] { cardOpened(m_.Gestures->ContextItem); });
    on(m.ItemCardOpenNew, [this] {
        if (m_.Desktop->InUse(m_.Gestures->ContextItem))
            m_.Pages->OpenInNewBrowser(m_.Desktop->Card(m_.Gestures->ContextItem).Address);
    });
    on(m.ItemCardDelete, [this] { m_.Desktop->DeleteCard(m_.Gestures->ContextItem); });
    on(m.ItemCardProperties, [this] { m_.Desktop->EditCardProperties(m_.Gestures->ContextItem); });
    on(m.ItemCardWhatsThis, [this] {
        const int index = m_.Gestures->ContextItem;
        const QString name = m_.Desktop->InUse(index) ? m_.Desktop->Card(index).Name : QString();
        App().Agent->Script(QStringLiteral("whatsthis_card"), true, {name});
    });
    on(m.KeyFocusAddress, [this] {
        if (ui_.EditUrl->isEnabled()) {
            ui_.EditUrl->setFocus();
            ui_.EditUrl->selectAll();
        }
    });
    on(m.KeyNextTab, [&pages] { pages.SwitchToNeighbourTab(1); });
    on(m.KeyPreviousTab, [&pages] { pages.SwitchToNeighbourTab(-1); });
    on(m.KeyZoomIn, [&commands] { commands.Zoom(1); });
    on(m.KeyZoomOut, [&commands] { commands.Zoom(-1); });
    on(m.KeyZoomReset, [&commands] { commands.Zoom(0); });
    // Escape stops a loading page wherever the focus is, the page itself included.
    on(m.KeyEscape, [this, &commands] {
        if (!ui_.ImgStop->isHidden())
            stopCurrentPage();
        else if (!commands.Finder()->isHidden())
            commands.Finder()->Close();
    });
}

void FormMain::connectControls() {
    SurfCommands& surf = *m_.Surf;
    connect(ui_.EditUrl, &QLineEdit::returnPressed, this,
            [this, &surf] { surf.EditUrl_Enter(ui_.EditUrl->text()); });
    connect(ui_.ImgGoBack, &ImageButton::clicked, this, [&surf] { surf.ImgGoBack_Click(); });
    connect(ui_.ImgGoForward, &ImageButton::clicked, this, [&surf] { surf.ImgGoForward_Click(); });
    connect(ui_.ImgStop, &ImageButton::clicked, this, [this] { stopCurrentPage(); });
    connect(ui_.ImgReload, &ImageButton::clicked, this, [&surf] { surf.ImgReload_Click(); });
    connect(ui_.TabMain, &QTabBar::customContextMenuRequested, this,
            [this](const QPoint& at) { ui_.Menus->MenuTab->popup(ui_.TabMain->mapToGlobal(at)); });
    connect(ui_.TimerSnow, &QTimer::timeout, this, [this] {
        m_.Pages->CleanupBadWindows(); // dead pages go first, the snow falls after
        m_.Snow->Tick();
    });
}

void FormMain::connectModules() {
    Browsers* pages = m_.Pages.get();
    PageEvents* events = m_.Events.get();
    LightString* lights = m_.Lights.get();
    LinksMenu* links = m_.Links.get();
    History* history = m_.HistoryList.get();

    connect(pages, &Browsers::pageLeaving, this, &FormMain::keepAddressBox);
    connect(pages, &Browsers::paneChanged, this, &FormMain::showPane);
    connect(pages, &Browsers::currentPageChanged, lights, &LightString::ShowPage);
    connect(pages, &Browsers::currentPageChanged, this, [links] { links->ShowCurrentPage(); });
    connect(pages, &Browsers::pageClosed, lights, &LightString::PageClosed);

    connect(events, &PageEvents::navigationStarted, history,
            [history](int, const QString& address) { history->AddToHistory(address); });
    connect(events, &PageEvents::navigationStarted, lights, &LightString::AddBulb);
    connect(events, &PageEvents::navigationCommitted, lights, &LightString::MarkBulbLoaded);
    connect(events, &PageEvents::pageBusy, lights, &LightString::PageBusy);
    connect(events, &PageEvents::pageIdle, this, &FormMain::pageFinished);
    connect(lights, &LightString::currentPageSettled, events, &PageEvents::SettlePage);

    connect(events, &PageEvents::addressTextChanged, ui_.EditUrl, &QLineEdit::setText);
    connect(events, &PageEvents::addressShown, this, &FormMain::showAddressBox);
    connect(events, &PageEvents::statusTextChanged, ui_.PicStatusBar, &StatusBarPicture::Print);
    connect(events, &PageEvents::windowCaptionChanged, this, &QWidget::setWindowTitle);
    connect(events, &PageEvents::cornerChanged, this, [this](int corner, bool shown) {
        ImageButton* images[] = {nullptr, ui_.ImgGoBack, ui_.ImgGoForward, ui_.ImgStop, ui_.ImgReload};
        images[corner]->setVisible(shown);
    });

    BulbGestures* bulbs = m_.BulbDrag.get();
    Cards* desktop = m_.Desktop.get();
    PointerGestures* gestures = m_.Gestures.get();
    connect(bulbs, &BulbGestures::statusText, events, &PageEvents::SetStatusBarText);
    connect(bulbs, &BulbGestures::badDrop, this,
            [] { App().Agent->Script(QStringLiteral("bulb_dropped_bad"), true); });
    connect(bulbs, &BulbGestures::bulbDropped, this, [this](QPoint at, const BulbRecord& bulb) {
        bulbDropped(at, bulb.Address, BulbGestures::BulbDisplayText(bulb));
    });
    connect(desktop, &Cards::opened, this, &FormMain::cardOpened);
    connect(m_.BookmarkList.get(), &Bookmarks::problem, this, &FormMain::tellProblem);
    connect(m_.BookmarkList.get(), &Bookmarks::openRequested, this, [this](const QString& address) {
        if (!address.isEmpty()) m_.Pages->OpenInNewBrowser(address);
    });
    connect(m_.BookmarkList.get(), &Bookmarks::menuKeyPressed, this, &FormMain::showBookmarkMenu);
    connect(desktop, &Cards::problem, this, &FormMain::tellProblem);
    connect(gestures, &PointerGestures::hovered, this, [this](int kind, int index) {
        if (kind == PointerGestures::KindCard && m_.Desktop->InUse(index))
            m_.Events->SetStatusBarText(QStringLiteral("Goto: ") + m_.Desktop->Card(index).Name);
    });
    connect(gestures, &PointerGestures::moved, this, [this] { updateBadDropRects(); });
    connect(gestures, &PointerGestures::menuRequested, this, [this](int kind, int index, QPoint at) {
        if (kind == PointerGestures::KindCard) showCardMenu(index, at);
        if (kind == PointerGestures::KindBookmarkList) showBookmarkMenu(at);
    });

    connect(history, &History::selectionChanged, this, [this] {
        ui_.Menus->Apply(MenuStateFor(m_.Pages->CurInterface, m_.HistoryList->LineSelected()));
    });
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

void FormMain::bulbDropped(QPoint at, const QString& address, const QString& name) {
    App().Agent->Script(QStringLiteral("bulb_dropped"), true);
    const int icon = AskForIcon(1);
    if (icon < 1) {
        App().Agent->Script(QStringLiteral("bulb_dropped_cancel"), true);
        return;
    }
    if (!m_.Desktop->NewCard(icon, address, name, at)) return;
    App().Agent->Script(QStringLiteral("bulb_dropped_success"), true);
    m_.Desktop->SaveCards();
}

void FormMain::textDropped(QPoint at, const QString& dropped) {
    // A line break in dropped text would never make a usable address or a one-line name.
    const QString text = dropped.simplified();
    const int icon = AskForIcon(1);
    if (icon < 1 || !m_.Desktop->NewCard(icon, text, text, at)) return;
    App().Agent->Script(QStringLiteral("card_new"), true);
    m_.Desktop->SaveCards();
}

void FormMain::cardOpened(int index) {
    if (!m_.Desktop->InUse(index)) return;
    const QString address = m_.Desktop->Card(index).Address;
    // In the browser pane the card opens in the page on show, elsewhere in a new page.
    if (m_.Pages->CurInterface == InterfaceBrowser && m_.Pages->Current())
        m_.Pages->Current()->Navigate(address);
    else
        m_.Pages->OpenInNewBrowser(address);
}

void FormMain::showCardMenu(int index, QPoint globalAt) {
    MainMenus& m = *ui_.Menus;
    m_.Gestures->ContextItem = index;
    m.MenuCard->setDefaultAction(m.ItemCardOpen->isVisible() ? m.ItemCardOpen : m.ItemCardOpenNew);
    m.MenuCard->popup(globalAt);
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

void FormMain::setBookmarkView(int mode) {
    ui_.ListBookmarks->SetMode(mode);
    ui_.Menus->ItemBmView[mode]->setChecked(true); // the group unchecks the others
    ui_.Menus->ItemBmViewAutoArrange->setEnabled(mode == BookmarkView::LargeIcons ||
                                                 mode == BookmarkView::SmallIcons);
}

void FormMain::addPageToBookmarks() {
    if (m_.Pages->CurInterface == InterfaceHistory) {
        if (const QString line = m_.HistoryList->SelectedAddress(); !line.isEmpty())
            m_.BookmarkList->AddBookmark(line, line, 1);
    } else if (m_.Pages->CurInterface == InterfaceBrowser && m_.Pages->Current()) {
        const BrowserPage& page = m_.Pages->Page(m_.Pages->CurBrowser);
        m_.BookmarkList->AddBookmark(page.Title, page.AddressText, 1);
    }
}

void FormMain::tellProblem(const QString& script, const QString& message) {
    AgentController& agent = *App().Agent;
    agent.Script(script, false, {message});
    // Not every problem has a script of its own (bookmarks that could not be saved have none), so the
    // status bar says it whether or not a character is there to.
    if (!message.isEmpty()) m_.Events->SetStatusBarText(message);
}

void FormMain::stopCurrentPage() {
    m_.Surf->ImgStop_Click();
    ui_.ImgStop->hide(); // the page's stop flag stays as it is
}

void FormMain::showPane(int pane) {
    QListWidget* history = m_.HistoryList->List();
    history->setVisible(pane == InterfaceHistory);
    ui_.ListBookmarks->setVisible(pane == InterfaceBookmarks);
    if (pane == InterfaceHistory) history->raise();
    if (pane == InterfaceBookmarks) ui_.ListBookmarks->raise();
    ui_.Menus->Apply(MenuStateFor(pane, m_.HistoryList->LineSelected()));
    ui_.EditUrl->setEnabled(pane == InterfaceBrowser);
    App().Agent->VoiceCommandVisible(QStringLiteral("read"), pane == InterfaceBrowser);
}

void FormMain::pageFinished(int slot) {
    m_.Events->UpdateCorner(slot, CornerStop, false);
    if (slot == m_.Pages->CurBrowser) {
        m_.Lights->PageIdle(slot);
        m_.Links->PopulateLinksMenu();
    } else if (BrowserControl* page = m_.Pages->Control(slot)) {
        m_.Links->Forget(page); // read again when it becomes current
    }
    App().Agent->Script(QStringLiteral("page_loaded"));
}

void FormMain::keepAddressBox(int slot) {
    BrowserPage& page = m_.Pages->Page(slot);
    const QLineEdit* edit = ui_.EditUrl;
    page.AddressText = edit->text();
    page.SelStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    page.SelLength = int(edit->selectedText().size());
}

void FormMain::showAddressBox(const QString& text, int selStart, int selLength) {
    ui_.EditUrl->setText(text);
    if (selLength > 0)
        ui_.EditUrl->setSelection(selStart, selLength);
    else
        ui_.EditUrl->setCursorPosition(selStart);
}
