#pragma once

#include "browse/BrowserPage.h"
#include "browse/Tab.h"

#include <QObject>
#include <QRect>
#include <QSet>
#include <QString>
#include <QVector>
#include <functional>

class BrowserControl;
class BrowserFactory;
class QTabBar;
class QTimer;
class QWidget;

// The browser pages as tabs beside the bookmark and history lists: page slots, their tabs and
// views, activation, closing, and which pane the browser area shows.
//
// Three numberings meet here: a page's *slot* (1-based, reused after a close), a tab's *position*
// (1-based: 1 bookmarks, 2 history, 3 and up the pages, as the tab-use order counts them) and the
// tab bar's own *index* (position - 1). A page tab carries its slot as its data.
class Browsers : public QObject {
    Q_OBJECT
public:
    // The tab bar shows the tabs; page views are children of the area and sit in the pane.
    Browsers(BrowserFactory& factory, QTabBar& tabs, QWidget& area);
    ~Browsers() override;

    // Where pages are shown; the layout sets it, and again whenever the window's size changes.
    void Place(const QRect& pane);
    QRect Pane() const { return pane_; }

    // The slot of the current page, 0 when none.
    int CurBrowser() const { return curBrowser_; }
    // The pane the browser area shows.
    Interface CurInterface() const { return curInterface_; }
    TabOrder Order;
    // The page a new page opens on when it is given no address.
    std::function<QString()> StartPage;

    int BrowserCount() const { return count_; }                 // pages open now
    int BrowserSlots() const { return int(pages_.size()) - 1; } // highest slot ever allocated
    int CurrentTab() const { return currentTab_; }              // 0 right after a page closed
    bool InUse(int slot) const;
    const BrowserPage& Page(int slot) const { return pages_[slot]; }
    BrowserControl* Control(int slot) const;
    // The current page's control, or null.
    BrowserControl* Current() const { return Control(curBrowser_); }
    // The slot a tab shows, 0 for the list tabs.
    int SlotOfTab(int position) const;
    // The position of a page's tab, 0 when the slot has none.
    int TabPositionOf(int slot) const;
    void SetTabCaption(int slot, const QString& caption, const QString& toolTip);
    // The page's title as its tab shows it (the caption) and as its record keeps it.
    void SetTitle(int slot, const QString& title, const QString& caption);

    int NewBrowser(TabImage image);
    void ActivateBrowser(int slot);
    bool CloseCurrentBrowser(int slot);
    void CloseBrowser(int slot);
    void OpenInNewBrowser(const QString& address);
    void SwitchToTab(int position);
    // Selects a tab by program; the tab bar's change reaches SwitchToTab.
    void SelectTab(int position);
    // File > Close Browser Window. The page is asked first (its beforeunload may keep it open); it
    // closes when it agrees.
    void CloseCurrentPage();
    // A page's own close button, a middle click on its tab, or the tab's menu: the same, for any
    // page; when it was the page on show, the most recently used tab comes to the front.
    void ClosePage(int slot);
    // Asks every open page whether it may close; done(true) once all agreed, done(false) as soon as
    // one wants to stay open. Pages whose answer never comes are taken as agreeing after a while.
    void AskAllToClose(std::function<void(bool allAgreed)> done);
    // Closes pages whose renderer died or that closed themselves.
    void CleanupBadWindows();
    // From now on dead pages are looked for every half second; stopped at shut-down.
    void StartDeadPageCheck();
    QTimer* DeadPageCheck() const { return deadPageCheck_; }
    // Shut-down: every page's control goes, silently.
    void ReleaseAll();

    void SelectInterface_Browser();
    void SelectInterface_History();
    void SelectInterface_Bookmarks();

    // Ctrl+Tab and Ctrl+Shift+Tab.
    void SwitchToNeighbourTab(int step);

signals:
    void pageCreated(int slot, BrowserControl* control);
    // Another page is about to become current while the browser pane shows this one.
    void pageLeaving(int slot);
    void currentPageChanged(int slot);
    // A page is about to close; its control still answers.
    void pageClosing(int slot);
    void pageClosed(int slot, bool wasCurrent);
    // A page whose renderer died was closed; its address is what it showed.
    void pageCrashed(const QString& address, const QString& title);
    void paneChanged(Interface pane);
    // The pages have a new place in the window; what stands on their corners follows.
    void placed(const QRect& pane);

private:
    // Removes a page's slot, control and tab; common to both ways of closing.
    void removePage(int slot);
    void selectPane(Interface pane);
    // Asks one page whether it may close; done runs once with the answer.
    void askToClose(int slot, std::function<void(bool)> done);

    BrowserFactory& factory_;
    QTabBar& tabs_;
    QWidget& area_;
    QRect pane_;
    int curBrowser_ = 0;
    Interface curInterface_ = InterfaceNone;
    int count_ = 0;
    int currentTab_ = 0;
    QVector<BrowserPage> pages_;   // index 0 unused
    QSet<BrowserControl*> asking_; // pages asked whether they may close
    QTimer* deadPageCheck_;
    static constexpr int kCloseAnswerMs = 8000;
};
