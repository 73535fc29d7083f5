// How the modules are made and connected to each other. What reaches the window's own controls is
// wired in MainWiring.cpp and its neighbours.
#include "agent/commands/CommandMailbox.h"
#include "agent/voice/VoiceListener.h"
#include "app/CharacterRequests.h"
#include "app/MainMenus.h"
#include "app/MainModules.h"
#include "app/Widgets.h"
#include "base/Preferences.h"
#include "bookmarks/Bookmarks.h"
#include "bookmarks/Cards.h"
#include "bookmarks/DesktopCards.h"
#include "browse/AddressBox.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/HistoryStore.h"
#include "browse/LinksMenu.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/PageSession.h"
#include "browse/SiteZoom.h"
#include "browse/SurfCommands.h"
#include "browse/VisitRecorder.h"
#include "decor/DesktopSurface.h"
#include "decor/PointerGestures.h"
#include "decor/Snowfall.h"
#include "dialogs/OptionsEditor.h"
#include "lights/BulbGestures.h"
#include "lights/LightString.h"
#include "music/Jukebox.h"
#include "music/SongDownload.h"
#include "music/box/MusicBox.h"

#include <QTabBar>

MainModules::MainModules() = default;
MainModules::~MainModules() = default;

namespace {

void createModules(MainModules& m, MainControls& ui, BrowserFactory& factory, const PreferencesStore& prefs,
                   QWidget& dialogParent) {
    m.Character = std::make_unique<CharacterRequests>();
    m.Pages = std::make_unique<Browsers>(factory, *ui.TabMain, *ui.Surface);
    m.Pages->StartPage = [&prefs] { return prefs.Values().StartupPage; };
    m.Events = std::make_unique<PageEvents>(*m.Pages);
    m.Surf = std::make_unique<SurfCommands>(*m.Pages, *m.Events, prefs);
    m.Commands = std::make_unique<PageCommands>(*m.Pages, dialogParent, *ui.Surface);
    m.HistoryList = std::make_unique<History>(*m.Pages, ui.Surface);
    m.Links = std::make_unique<LinksMenu>(*m.Pages, *ui.Menus->MenuLinks, *ui.Menus->ItemLinksNone);
    m.Lights = std::make_unique<LightString>(*m.Pages);
    m.Snow = std::make_unique<Snowfall>(LoadSnowflake(ui.Surface->devicePixelRatioF()));
    m.Snow->ShowOn(*ui.Surface);
    m.Gestures = std::make_unique<PointerGestures>();
    DropRules* drops = &m.Drops;
    m.Gestures->IsBadDrop = [drops](QPoint at) { return drops->IsInBadDropRect(at); };
    m.Gestures->IsBadCardPlace = [drops](const QRect& place) { return drops->CoversMusicBox(place); };
    ui.ImgRadio = new Music::MusicBox(*m.Gestures, ui.Surface);
    ui.ImgRadio->hide();
    m.Jukebox = std::make_unique<Music::Jukebox>();
    m.SongDownloads = std::make_unique<Music::SongDownload>(&dialogParent);
    m.BulbDrag = std::make_unique<BulbGestures>(
        *m.Lights, *m.Pages,
        std::array<QWidget*, 4>{ui.RegionBulbs[0], ui.RegionBulbs[1], ui.RegionBulbs[2], ui.RegionBulbs[3]},
        *ui.Surface);
    m.BulbDrag->IsBadDrop = [drops](QPoint at) { return drops->IsBadBulbDrop(at); };
    m.Desktop = std::make_unique<Cards>(*ui.Surface, *m.Gestures, prefs.Values().SitesFile);
    m.CardRules = std::make_unique<DesktopCards>(*m.Desktop);
    m.BookmarkList = std::make_unique<Bookmarks>(ui.Surface, *m.Gestures, prefs.Values().BookmarkFile);
    ui.ListBookmarks = m.BookmarkList->List();
}

// The pages' events reach the history, the light string, the Links menu and the character.
void connectPages(MainModules& m) {
    Browsers* pages = m.Pages.get();
    PageEvents* events = m.Events.get();
    LinksMenu* links = m.Links.get();
    History* history = m.HistoryList.get();
    CharacterRequests* character = m.Character.get();

    m.Lights->Follow(*events);
    QObject::connect(pages, &Browsers::currentPageChanged, links, [links] { links->ShowCurrentPage(); });
    QObject::connect(events, &PageEvents::navigationStarted, history,
                     [history](int slot, const QString& address, int, const QString& targetFrame) {
                         history->AddNavigation(slot, address, !targetFrame.isEmpty());
                     });
    QObject::connect(events, &PageEvents::titleChanged, history, &History::SetPageTitle);
    QObject::connect(events, &PageEvents::pageIdle, events, [&m](int slot) {
        // A page finished loading: stop image, Links menu and the character (the light string
        // follows the page events itself).
        m.Events->UpdateCorner(slot, CornerStop, false);
        if (slot == m.Pages->CurBrowser()) {
            m.Links->PopulateLinksMenu();
        } else if (BrowserControl* page = m.Pages->Control(slot)) {
            m.Links->Forget(page); // read again when it becomes current
        }
        m.Character->Script(QStringLiteral("page_loaded"));
    });
    QObject::connect(events, &PageEvents::speakRequested, character, &CharacterRequests::Speak);
    QObject::connect(events, &PageEvents::thinkRequested, character, &CharacterRequests::ThinkAsWritten);
    QObject::connect(links, &LinksMenu::interruptRequested, character, &CharacterRequests::Interrupt);
    QObject::connect(links, &LinksMenu::speakRequested, character, &CharacterRequests::SpeakAsWritten);
    QObject::connect(pages, &Browsers::paneChanged, character, [character](Interface pane) {
        character->VoiceCommandVisible(QStringLiteral("read"), pane == InterfaceBrowser);
    });
}

// Bulbs, cards and bookmarks: what they open, what they make and what they tell.
void connectDesktop(MainModules& m) {
    Browsers* pages = m.Pages.get();
    DesktopCards* cards = m.CardRules.get();
    CharacterRequests* character = m.Character.get();
    BulbGestures* bulbs = m.BulbDrag.get();

    QObject::connect(bulbs, &BulbGestures::statusText, m.Events.get(), &PageEvents::SetStatusBarText);
    QObject::connect(bulbs, &BulbGestures::badDrop, character,
                     [character] { character->Script(QStringLiteral("bulb_dropped_bad"), true); });
    QObject::connect(bulbs, &BulbGestures::bulbDropped, cards, [cards](QPoint at, const BulbRecord& bulb) {
        cards->BulbDropped(at, bulb.Address, BulbGestures::BulbDisplayText(bulb));
    });
    QObject::connect(cards, &DesktopCards::scriptRequested, character, &CharacterRequests::Script);
    // In the browser pane a card opens in the page on show, elsewhere in a new page.
    QObject::connect(cards, &DesktopCards::openRequested, pages, [pages](const QString& address) {
        if (pages->CurInterface() == InterfaceBrowser && pages->Current())
            pages->Current()->Navigate(address);
        else
            pages->OpenInNewBrowser(address);
    });
    QObject::connect(cards, &DesktopCards::openInNewPageRequested, pages, &Browsers::OpenInNewBrowser);
    QObject::connect(cards, &DesktopCards::bookmarkRequested, m.BookmarkList.get(),
                     &Bookmarks::AddToBookmarks);
    QObject::connect(m.BookmarkList.get(), &Bookmarks::statusText, m.Events.get(),
                     &PageEvents::SetStatusBarText);
    QObject::connect(m.Desktop.get(), &Cards::problem, character, &CharacterRequests::TellProblem);
    QObject::connect(m.BookmarkList.get(), &Bookmarks::problem, character, &CharacterRequests::TellProblem);
    QObject::connect(m.BookmarkList.get(), &Bookmarks::openRequested, pages, [pages](const QString& address) {
        if (!address.isEmpty()) pages->OpenInNewBrowser(address);
    });
    QObject::connect(character, &CharacterRequests::statusText, m.Events.get(),
                     &PageEvents::SetStatusBarText);
    QObject::connect(m.Gestures.get(), &PointerGestures::hovered, cards, [&m](int kind, int index) {
        if (kind == PointerGestures::KindCard && m.Desktop->InUse(index))
            m.Events->SetStatusBarText(QStringLiteral("Goto: ") + m.Desktop->Card(index).Name);
    });
}

// The jukebox and the song downloads tell the user through the status bar and the character.
void connectMusic(MainModules& m) {
    Music::Jukebox* music = m.Jukebox.get();
    Music::SongDownload* downloads = m.SongDownloads.get();
    CharacterRequests* character = m.Character.get();
    PageEvents* events = m.Events.get();

    QObject::connect(downloads, &Music::SongDownload::songReady, music, &Music::Jukebox::OpenMusicBox);
    QObject::connect(downloads, &Music::SongDownload::scriptRequested, character, &CharacterRequests::Script);
    QObject::connect(downloads, &Music::SongDownload::statusText, events, &PageEvents::SetStatusBarText);
    QObject::connect(downloads, &Music::SongDownload::interruptRequested, character,
                     &CharacterRequests::Interrupt);
    QObject::connect(music, &Music::Jukebox::statusText, events, &PageEvents::SetStatusBarText);
    QObject::connect(music, &Music::Jukebox::scriptRequested, character, &CharacterRequests::Script);
    QObject::connect(music, &Music::Jukebox::speakRequested, character, &CharacterRequests::Speak);
    QObject::connect(m.Gestures.get(), &PointerGestures::hovered, music, [&m](int kind, int) {
        if (kind == PointerGestures::KindMusicBox) m.Events->SetStatusBarText(m.Jukebox->MusicHint());
    });
}

} // namespace

void ComposeModules(MainModules& m, MainControls& ui, BrowserFactory& factory, const PreferencesStore& prefs,
                    QWidget& dialogParent) {
    createModules(m, ui, factory, prefs, dialogParent);
    connectPages(m);
    connectDesktop(m);
    connectMusic(m);
    ComposeEverydayBrowsing(m, ui, factory, prefs, dialogParent);
}
