#pragma once

#include "app/MainLayout.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class BrowserFactory;
class Browsers;
class DesktopSurface;
class History;
class ImageButton;
class LightString;
class LinksMenu;
class MainMenus;
class Navigation;
class PageCommands;
class QLineEdit;
class QListWidget;
class QTabBar;
class QTimer;
class QTreeWidget;
class RegionWidget;
class StatusBarPicture;

// The main window: it owns the controls and hands every event to the module that owns the concern.
class FormMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FormMain(BrowserFactory& factory, QWidget* parent = nullptr);
    ~FormMain() override;

    // Prepares the window; false when the first browser page cannot be created.
    bool DoInit();
    // The shut-down sequence; runs once, however the window closes.
    void FileExit();
    // Opens the startup page in the current page: the last step of start-up.
    void OpenStartupPage();

    BrowserFactory& Factory() { return factory_; }
    const MainLayout& Layout() const { return layout_; }

    // Controls.
    DesktopSurface* Surface;
    QWidget* PicTabBorder;
    QTabBar* TabMain;
    QLineEdit* EditUrl;
    StatusBarPicture* PicStatusBar;
    RegionWidget* RegionBulbs[4];
    ImageButton *ImgGoBack, *ImgGoForward, *ImgStop, *ImgReload, *ImgRadio;
    QListWidget* ListHistory;
    QTreeWidget* ListBookmarks;
    MainMenus* Menus;
    QTimer *TimerBulbFlasher, *TimerSnow, *TimerThemeSong;

    // The modules that own the window's concerns.
    std::unique_ptr<Browsers> Pages;
    std::unique_ptr<Navigation> Nav;
    std::unique_ptr<LightString> Lights;
    std::unique_ptr<History> HistoryList;
    std::unique_ptr<LinksMenu> Links;
    std::unique_ptr<PageCommands> Commands;

    // Shows a message box; tests replace it to record instead of blocking.
    std::function<void(const QString& title, const QString& text)> ShowMessage;

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void applyLayout();
    void connectEvents();

    BrowserFactory& factory_;
    MainLayout layout_;
    bool exited_ = false;
};
