#pragma once

#include <QByteArray>
#include <QString>

class BrowserControl;
class FormMain;
struct BrowserPage;

// Driving a page (address box, back, forward, reload, stop, the Surf menu) and following its
// navigation events: busy count, corner images, status bar, captions and new-window requests.
class Navigation {
public:
    explicit Navigation(FormMain& window);

    // The status-bar text the current page will show again when it becomes current.
    QString gCurStatusBarText;

    // Routes a page's events here, tagged with its slot.
    void Attach(BrowserControl* control, int slot);

    void SetStatusBarText(const QString& text);
    void UpdateCorner(int page, int corner, bool shown);
    // The four corner images as the page's record says.
    void ShowCorners(const BrowserPage& page);
    void EndPageBusy(int page);

    // User commands, on the current page.
    void EditUrl_Enter();
    void ImgGoBack_Click();
    void ImgGoForward_Click();
    void ImgReload_Click();
    void ImgStop_Click();
    void ItemSurfStartupPage_Click();
    void ItemSurfSearchPage_Click();
    void ItemSurfWelcomePage_Click();

    // Page events.
    void BeforeNavigate2(int page, const QString& address, int flags, const QString& targetFrame,
                         const QByteArray& postData, const QString& headers);
    void NavigateComplete2(int page, const QString& address);
    void ProgressChange(int page, int progress, int maximum);
    void CommandStateChange(int page, int command, bool enabled);
    void DocumentComplete(int page, const QString& address);
    void StatusTextChange(int page, const QString& text);
    void TitleChange(int page, const QString& text);
    void NewWindow2(int page, BrowserControl** target);
    void OnQuit(int page);

    // A tab caption: the title, cut to 30 characters while two or more pages are open.
    static QString TabCaption(const QString& title, int pagesOpen);

private:
    bool isCurrent(int page) const;
    FormMain& w_;
};
