#pragma once

#include "agent/FreePlace.h"
#include "app/MainLayout.h"
#include "app/MainModules.h"
#include "browse/BrowserPage.h"
#include "dialogs/FormOptions.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

class BrowserControl;
class BrowserFactory;

// The main window: it owns the controls, lays them out, and hands every event to the module that
// owns the concern.
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
    // The last step of start-up: the startup page in the current page, or the pages from last time
    // when the user asked for them; then a page for each address given (the command line's).
    void OpenStartupPage(const QStringList& addresses = {});
    // Tiles the desktop with holiday picture n (1..14); the bulb strips take up the new picture.
    void DrawBackground(int n);
    // Starts the one-second check that closes the theme song once it has played.
    void StartThemeSongTimer();
    // The options dialog on a page; brought to the front when it is open.
    void EditOptions(FormOptions::Page page);
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
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct FormMainProbe; // tests look at the controls and modules

    // The window's first place: where the user left it, or filling the work area on the first run.
    void placeWindow();
    void rememberPlace() const;
    // Lays everything out for the surface's size; again whenever the size or the screen changes.
    void layOut();
    void followScreen();
    // The wiring of the menus and controls to the modules, and the modules' reports to the controls.
    void connectMenus();
    void connectBookmarkMenus();
    void connectCardMenu();
    void connectControls();
    void connectReports();
    // The music box, its menu and the jukebox behind them.
    void connectMusic();
    void showMusicMenu(QPoint globalAt);
    // What the character points at, and where its commands go; undone when the window goes.
    void connectAgent();
    void disconnectAgent();
    // Where the character may stand by itself, in screen pixels, as the window is now.
    FreePlace::Ground standingGround() const;
    // Edit > Options and the other ways into the options dialog.
    void connectOptions();
    void stopCurrentPage();
    void updateBadDropRects();
    void showBookmarkMenu(QPoint globalAt);
    // The tab menu for the tab under the point (tab strip pixels).
    void showTabMenu(QPoint at);
    void focusAddressBox();
    // Surf > Add to bookmarks: the selected history line, or the page on show.
    void addPageToBookmarks();
    // What the window shows for the pane on show.
    void showPane(Interface pane);
    void showAddressBox(const QString& text, int selStart, int selLength);

    BrowserFactory& factory_;
    MainLayout layout_;
    QSize laidOutFor_;
    qreal laidOutRatio_ = 0;
    // Pictures decoded for that pixel ratio: a resize alone does not decode them again.
    QImage bulbColours_;
    QImage bulbMask_;
    QImage backgroundTile_;
    int tileOf_ = -1; // the background design backgroundTile_ holds, -1 for none yet
    int shownBackground_ = 1;
    bool workAreaFilled_ = false;
    bool screenFollowed_ = false;
    QMetaObject::Connection workAreaWatch_; // on the screen the window is on, only
    MainControls ui_;
    MainModules m_;
    int menuTabSlot_ = 0; // the page whose tab's menu is open, 0 for a list tab
    bool exited_ = false;
    bool askingPages_ = false;
};
