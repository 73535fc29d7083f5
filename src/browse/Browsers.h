#pragma once

#include "browse/BrowserPage.h"
#include "browse/Tab.h"

#include <QString>
#include <QVector>

class BrowserControl;
class FormMain;

// The browser pages as tabs beside the bookmark and history lists: page slots, creation,
// activation, closing, and which pane the browser area shows.
class Browsers {
public:
    explicit Browsers(FormMain& window);
    ~Browsers();

    int CurBrowser = 0;   // slot of the current page, 0 when none
    int CurInterface = 0; // 1 bookmark list, 2 history list, 3 a browser page
    TabOrder Order;

    int SlotCount() const { return int(pages_.size()) - 1; }
    bool InUse(int slot) const;
    BrowserPage& Page(int slot) { return pages_[slot]; }
    BrowserControl* Control(int slot) const;
    // The current page's control, or null.
    BrowserControl* Current() const { return Control(CurBrowser); }
    // The slot named by a tab's tag, 0 for the list tabs.
    int SlotOfTab(int position) const;

    int NewBrowser(int image);
    void ActivateBrowser(int slot);
    bool CloseCurrentBrowser(int slot);
    void CloseBrowser(int slot);
    void OpenInNewBrowser(const QString& address);
    void SwitchToTab(int position);
    // File > Close Browser Window and the tab menu's close command.
    void CloseCurrentPage();
    // Closes pages whose renderer died or that closed themselves; run at every snow tick.
    void CleanupBadWindows();
    // Shut-down: every page's control goes, silently.
    void ReleaseAll();

    void SelectInterface_Browser();
    void SelectInterface_History();
    void SelectInterface_Bookmarks();
    void SetupTabMenu();

    // Ctrl+Tab and Ctrl+Shift+Tab.
    void SwitchToNeighbourTab(int step);

private:
    // Removes a page's slot, control and tab; common to both ways of closing.
    bool removePage(int slot);
    void setMenusForList(bool history);

    FormMain& w_;
    QVector<BrowserPage> pages_; // index 0 unused
};
