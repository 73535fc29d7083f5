#pragma once

#include "browse/BrowserPage.h"
#include "browse/PageBusy.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class BrowserControl;
class Browsers;

// What the window shows again for a page when it becomes current, kept for every page.
struct PageShown {
    QString AddressText;
    int SelStart = 0;
    int SelLength = 0;
    QString StatusText;
    PageBusy Busy;
    bool NavButtons[5] = {false, false, false, false, false}; // by Corner; element 0 unused
};

// Follows every page's navigation events and tells the window what to show for the current one:
// address text, corner images, status text and captions. It keeps each page's busy count and what
// the window showed for it, and says when a navigation started and when a page became idle again.
class PageEvents : public QObject {
    Q_OBJECT
public:
    explicit PageEvents(Browsers& pages);

    // The status-bar text the current page will show again when it becomes current.
    QString StatusBarText() const { return statusBarText_; }
    void SetStatusBarText(const QString& text);
    void UpdateCorner(int slot, int corner, bool shown);
    // The four corner images as the page's record says.
    void ShowCorners(const PageShown& page);
    // Whether the corner image is on show for the current page in the browser pane.
    bool CornerShown(int corner) const;
    // The page stopped loading although not every navigation reported its end.
    void SettlePage(int slot);
    // What the window shows for a page, or null when there is no such page.
    const PageShown* Shown(int slot) const;
    // The address box as the user left it on a page, shown again when the page comes back.
    void KeepAddressBox(int slot, const QString& text, int selStart, int selLength);

    // A tab caption: the title, cut to 30 characters while two or more pages are open.
    static QString TabCaption(const QString& title, int pagesOpen);

signals:
    void navigationStarted(int slot, const QString& address, int flags, const QString& targetFrame,
                           const QByteArray& postData, const QString& headers);
    void navigationCommitted(int slot, const QString& address);
    void titleChanged(int slot, const QString& title);
    // The first navigation of an idle page began.
    void pageBusy(int slot);
    // A page finished loading (its busy count fell to zero).
    void pageIdle(int slot);

    // What the window shows for the current page.
    void addressTextChanged(const QString& text);
    void addressShown(const QString& text, int selStart, int selLength);
    void cornerChanged(int corner, bool shown);
    void statusTextChanged(const QString& text, int indent);
    void windowCaptionChanged(const QString& caption);

    // What the character is asked to say (the program's own words) or to think about a page (its
    // title as it stands, so no speech mark-up applies).
    void speakRequested(const QString& text);
    void thinkRequested(const QString& text);

private:
    void attach(int slot, BrowserControl* control);
    bool isCurrent(int slot) const;
    PageShown* shown(int slot);
    void currentPageChanged(int slot);
    void paneChanged(Interface pane);

    void BeforeNavigate2(int slot, const QString& address, int flags, const QString& targetFrame,
                         const QByteArray& postData, const QString& headers);
    void NavigateComplete2(int slot, const QString& address);
    void EndPageBusy(int slot);
    void CommandStateChange(int slot, int command, bool enabled);
    void DocumentComplete(int slot);
    void StatusTextChange(int slot, const QString& text);
    void TitleChange(int slot, const QString& text);
    void NewWindow2(BrowserControl** target);

    Browsers& pages_;
    QString statusBarText_;
    QHash<int, PageShown> shown_; // by page slot
};
