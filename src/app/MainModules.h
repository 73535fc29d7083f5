#pragma once

#include "decor/DropRules.h"

#include <memory>

class BookmarkView;
class AddressBox;
class Bookmarks;
class BrowserFactory;
class Browsers;
class BulbGestures;
class Cards;
class CharacterRequests;
class CommandMailbox;
class DesktopCards;
class DesktopSurface;
class DownloadsWindow;
class History;
class HistoryStore;
class ImageButton;
class LightString;
class LinksMenu;
class MainMenus;
class OptionsEditor;
class PageCommands;
class PageEvents;
class PageSession;
class PointerGestures;
class PreferencesStore;
class SiteZoom;
class QLineEdit;
class QMenuBar;
class QTabBar;
class QWidget;
class RegionWidget;
class Snowfall;
class StatusBarPicture;
class SurfCommands;
namespace Music {
class Jukebox;
class MusicBox;
class SongDownload;
} // namespace Music
class VisitRecorder;
class VoiceListener;
class ZoomBadge;

// The window's own controls, children of the desktop surface.
struct MainControls {
    DesktopSurface* Surface = nullptr;
    QWidget* PicTabBorder = nullptr;
    QTabBar* TabMain = nullptr;
    QLineEdit* EditUrl = nullptr;
    StatusBarPicture* PicStatusBar = nullptr;
    RegionWidget* RegionBulbs[4] = {};
    ImageButton *ImgGoBack = nullptr, *ImgGoForward = nullptr, *ImgStop = nullptr, *ImgReload = nullptr;
    Music::MusicBox* ImgRadio = nullptr;
    BookmarkView* ListBookmarks = nullptr;
    MainMenus* Menus = nullptr;
};

// Makes the controls on the surface and the menus on the bar; the owner keeps the menus.
MainControls CreateMainControls(DesktopSurface& surface, QMenuBar& bar, QWidget& owner);

// The modules that own the window's concerns. None of them knows the window. The pages come first,
// so they go last.
struct MainModules {
    MainModules();
    ~MainModules();
    std::unique_ptr<Browsers> Pages;
    std::unique_ptr<PageEvents> Events;
    std::unique_ptr<SurfCommands> Surf;
    std::unique_ptr<PageCommands> Commands;
    std::unique_ptr<History> HistoryList;
    std::unique_ptr<LinksMenu> Links;
    std::unique_ptr<LightString> Lights;
    std::unique_ptr<Snowfall> Snow;
    std::unique_ptr<PointerGestures> Gestures;
    std::unique_ptr<BulbGestures> BulbDrag;
    std::unique_ptr<Cards> Desktop;
    std::unique_ptr<DesktopCards> CardRules;
    std::unique_ptr<Bookmarks> BookmarkList;
    std::unique_ptr<CommandMailbox> AgentCommands;
    std::unique_ptr<OptionsEditor> Options;
    std::unique_ptr<Music::Jukebox> Jukebox;
    std::unique_ptr<Music::SongDownload> SongDownloads;
    std::unique_ptr<VoiceListener> Voice;
    std::unique_ptr<CharacterRequests> Character;
    DropRules Drops;
    // Browsing as every day: the kept history, the pages kept for the next start, each site's zoom,
    // and the address box's suggestions.
    std::unique_ptr<HistoryStore> Kept;
    std::unique_ptr<VisitRecorder> Visits;
    std::unique_ptr<PageSession> Session;
    std::unique_ptr<SiteZoom> Zoom;
    ZoomBadge* ZoomShown = nullptr;          // a child of the surface
    DownloadsWindow* DownloadList = nullptr; // a window of the main window
    std::unique_ptr<AddressBox> Address;
};

// Builds the modules over the controls and connects them to each other: the pages' events reach
// the history, the light string, the Links menu and the character; the cards and bookmarks open
// pages; every request of the character goes through one sink. The window (dialogParent) is only
// the parent of the dialogs the modules open. A test can call it with controls on a bare widget.
void ComposeModules(MainModules& m, MainControls& ui, BrowserFactory& factory, const PreferencesStore& prefs,
                    QWidget& dialogParent);
// The window's ways into them: the History menu, Save Page As, Downloads.
void WireEverydayBrowsing(MainControls& ui, MainModules& m, QWidget& window);
// The part of it that keeps history and pages between runs, zooms by site and suggests addresses.
void ComposeEverydayBrowsing(MainModules& m, MainControls& ui, BrowserFactory& factory,
                             const PreferencesStore& prefs, QWidget& dialogParent);
