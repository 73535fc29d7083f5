#pragma once

#include "app/MainLayout.h"
#include "bookmarks/DropRules.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class BrowserControl;
class CommandMailbox;
class BookmarkView;
class Bookmarks;
class BulbGestures;
class Cards;
class PointerGestures;
class BrowserFactory;
class Browsers;
class DesktopSurface;
class History;
class ImageButton;
class LightString;
class LinksMenu;
class MainMenus;
class OptionsEditor;
class PageCommands;
class PageEvents;
class QLineEdit;
class QTabBar;
class QTimer;
class RegionWidget;
class Snowfall;
class StatusBarPicture;
class SurfCommands;
namespace Music {
class Jukebox;
class MusicBox;
class SongDownload;
} // namespace Music
class VoiceListener;

// The window's own controls.
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
    QTimer* TimerSnow = nullptr;
};

// The modules that own the window's concerns. The window builds them and connects them to each
// other; none of them knows the window. The pages come first, so they go last.
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
    std::unique_ptr<Bookmarks> BookmarkList;
    std::unique_ptr<CommandMailbox> AgentCommands;
    std::unique_ptr<OptionsEditor> Options;
    std::unique_ptr<Music::Jukebox> Jukebox;
    std::unique_ptr<Music::SongDownload> SongDownloads;
    std::unique_ptr<VoiceListener> Voice;
    DropRules Drops;
};

// The main window: it owns the controls and hands every event to the module that owns the concern.
class FormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FormMain(BrowserFactory& factory, QWidget* parent = nullptr);
    ~FormMain() override;

    // Prepares the window; false when the first browser page cannot be created.
    bool DoInit();
    // File > Exit and the window's close box: every page is asked first (its beforeunload); a page
    // kept open cancels the exit. Then the shut-down sequence.
    void FileExit();
    // The shut-down sequence without asking the pages (a signal from the system); runs once.
    void ExitNow();
    // Opens the startup page in the current page: the last step of start-up.
    void OpenStartupPage();
    // Tiles the desktop with holiday picture n (1..14); the bulb strips take up the new picture.
    void DrawBackground(int n);
    // Starts the one-second check that closes the theme song once it has played.
    void StartThemeSongTimer();
    // The options dialog on page 1 General, 2 Music or 3 Agent; brought to the front when it is open.
    void EditOptions(int page);
    // A new page on the address, as File > New Browser Window does with one.
    void OpenInNewPage(const QString& address);
    // The page on show, or null.
    BrowserControl* CurrentPage() const;

    const MainLayout& Layout() const { return layout_; }

    // The icon chooser; tests answer it instead of a user. 0 when cancelled.
    std::function<int(int initial)> AskForIcon;
    // Shows a message box; tests replace it to record instead of blocking.
    std::function<void(const QString& title, const QString& text)> ShowMessage;

signals:
    // Music > Properties: the options dialog on its Music page.
    void musicPropertiesRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct FormMainProbe; // tests look at the controls and modules

    void createControls();
    void createModules();
    void applyLayout();
    // The wiring: menus and controls to modules, and modules to each other.
    void connectMenus();
    void connectControls();
    void connectModules();
    // The music box, its menu and the jukebox behind them.
    void connectMusic();
    void showMusicMenu(QPoint globalAt);
    // What the character points at, and where its commands go; undone when the window goes.
    void connectAgent();
    void disconnectAgent();
    // Edit > Options and the other ways into the options dialog.
    void connectOptions();
    void stopCurrentPage();
    void updateBadDropRects();
    // A bulb or a piece of text dropped on free space becomes a desktop card.
    void bulbDropped(QPoint at, const QString& address, const QString& name);
    void textDropped(QPoint at, const QString& text);
    void cardOpened(int index);
    void showCardMenu(int index, QPoint globalAt);
    void showBookmarkMenu(QPoint globalAt);
    void setBookmarkView(int mode);
    // Surf > Add to bookmarks: the selected history line, or the page on show.
    void addPageToBookmarks();
    // A file could not be read or written: the character says so, or the status bar when there is
    // no character to tell it.
    void tellProblem(const QString& script, const QString& message);
    // What the window shows for the pane on show.
    void showPane(int pane);
    // A page finished loading: stop image, flasher, Links menu and the character.
    void pageFinished(int slot);
    // The address box as the page left it, kept in its record.
    void keepAddressBox(int slot);
    void showAddressBox(const QString& text, int selStart, int selLength);

    BrowserFactory& factory_;
    MainLayout layout_;
    MainControls ui_;
    MainModules m_;
    bool exited_ = false;
    bool askingPages_ = false;
};
