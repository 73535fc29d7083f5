#include "browse/Navigation.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/Widgets.h"
#include "bookmarks/LightString.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/LinksMenu.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTimer>

Navigation::Navigation(FormMain& window)
    : w_(window) {}

bool Navigation::isCurrent(int page) const {
    return page >= 1 && page == w_.Pages->CurBrowser;
}

void Navigation::Attach(BrowserControl* control, int slot) {
    QObject::connect(control, &BrowserControl::BeforeNavigate2, control,
                     [this, slot](const QString& a, int f, const QString& t, const QByteArray& p,
                                  const QString& h) { BeforeNavigate2(slot, a, f, t, p, h); });
    QObject::connect(control, &BrowserControl::NavigateComplete2, control,
                     [this, slot](const QString& a) { NavigateComplete2(slot, a); });
    QObject::connect(control, &BrowserControl::ProgressChange, control,
                     [this, slot](int p, int m) { ProgressChange(slot, p, m); });
    QObject::connect(control, &BrowserControl::CommandStateChange, control,
                     [this, slot](int c, bool e) { CommandStateChange(slot, c, e); });
    QObject::connect(control, &BrowserControl::DocumentComplete, control,
                     [this, slot](const QString& a) { DocumentComplete(slot, a); });
    QObject::connect(control, &BrowserControl::StatusTextChange, control,
                     [this, slot](const QString& t) { StatusTextChange(slot, t); });
    QObject::connect(control, &BrowserControl::TitleChange, control,
                     [this, slot](const QString& t) { TitleChange(slot, t); });
    QObject::connect(control, &BrowserControl::NewWindow2, control,
                     [this, slot](BrowserControl** target) { NewWindow2(slot, target); });
    QObject::connect(control, &BrowserControl::OnQuit, control, [this, slot] { OnQuit(slot); });
}

void Navigation::SetStatusBarText(const QString& text) {
    w_.PicStatusBar->Print(text, 2);
    gCurStatusBarText = text;
}

void Navigation::UpdateCorner(int page, int corner, bool shown) {
    if (!w_.Pages->InUse(page) || corner < 1 || corner > 4) return;
    w_.Pages->Page(page).NavButtons[corner] = shown;
    if (w_.Pages->CurInterface == InterfaceBrowser && isCurrent(page)) {
        QWidget* images[] = {nullptr, w_.ImgGoBack, w_.ImgGoForward, w_.ImgStop, w_.ImgReload};
        images[corner]->setVisible(shown);
    }
}

void Navigation::ShowCorners(const BrowserPage& page) {
    w_.ImgGoBack->setVisible(page.NavButtons[CornerBack]);
    w_.ImgGoForward->setVisible(page.NavButtons[CornerForward]);
    w_.ImgStop->setVisible(page.NavButtons[CornerStop]);
    w_.ImgReload->setVisible(page.NavButtons[CornerReload]);
}

void Navigation::EndPageBusy(int page) {
    if (!w_.Pages->InUse(page)) return;
    BrowserPage& record = w_.Pages->Page(page);
    --record.BusyCount;
    if (record.BusyCount < 1) {
        UpdateCorner(page, CornerStop, false);
        if (record.BusyCount < 0) record.BusyCount = 0;
        App().Agent->Script(QStringLiteral("page_loaded"));
    }
    if (isCurrent(page) && record.BusyCount < 1) {
        w_.TimerBulbFlasher->stop();
        w_.Links->PopulateLinksMenu();
    }
}

void Navigation::EditUrl_Enter() {
    if (BrowserControl* page = w_.Pages->Current())
        page->Navigate(w_.EditUrl->text());
    else
        w_.Pages->OpenInNewBrowser(w_.EditUrl->text());
}

void Navigation::ImgGoBack_Click() {
    if (BrowserControl* page = w_.Pages->Current(); page && !w_.ImgGoBack->isHidden()) page->GoBack();
}

void Navigation::ImgGoForward_Click() {
    if (BrowserControl* page = w_.Pages->Current(); page && !w_.ImgGoForward->isHidden()) page->GoForward();
}

void Navigation::ImgReload_Click() {
    if (BrowserControl* page = w_.Pages->Current(); page && !page->Busy()) page->Refresh();
}

void Navigation::ImgStop_Click() {
    if (BrowserControl* page = w_.Pages->Current()) page->Stop();
    w_.ImgStop->hide();
}

void Navigation::ItemSurfStartupPage_Click() {
    if (BrowserControl* page = w_.Pages->Current()) page->Navigate(App().StartupPage);
}

void Navigation::ItemSurfSearchPage_Click() {
    if (w_.Pages->CurInterface == InterfaceBrowser && w_.Pages->CurBrowser >= 1)
        w_.Pages->Current()->Navigate(App().SearchPage);
}

void Navigation::ItemSurfWelcomePage_Click() {
    if (w_.Pages->CurInterface == InterfaceBrowser && w_.Pages->CurBrowser >= 1)
        w_.Pages->Current()->Navigate(App().WelcomePage);
}

void Navigation::BeforeNavigate2(int page, const QString& address, int flags, const QString& targetFrame,
                                 const QByteArray& postData, const QString& headers) {
    if (page < 1) return;
    w_.Lights->AddBulb(page, address, flags, targetFrame, postData, headers);
}

void Navigation::NavigateComplete2(int page, const QString& address) {
    if (page < 1) return;
    w_.Lights->MarkBulbLoaded(page, address);
}

void Navigation::ProgressChange(int page, int progress, int) {
    if (page >= 1 && progress == -1) EndPageBusy(page);
}

void Navigation::CommandStateChange(int page, int command, bool enabled) {
    if (command == BrowserControl::CommandBack)
        UpdateCorner(page, CornerBack, enabled);
    else if (command == BrowserControl::CommandForward)
        UpdateCorner(page, CornerForward, enabled);
}

void Navigation::DocumentComplete(int page, const QString&) {
    if (!isCurrent(page)) return;
    BrowserControl* control = w_.Pages->Current();
    const QString url = control->LocationURL();
    const QString name = control->LocationName();
    const bool secure = url.left(6).toLower() == QLatin1String("https:");
    App().Agent->Think((secure ? QStringLiteral("Loaded secure page: ") : QStringLiteral("Loaded: ")) + name +
                       QLatin1Char('.'));
}

void Navigation::StatusTextChange(int page, const QString& text) {
    if (isCurrent(page)) w_.PicStatusBar->Print(text, 0);
}

QString Navigation::TabCaption(const QString& title, int pagesOpen) {
    return pagesOpen < 2 ? title : title.left(30);
}

void Navigation::TitleChange(int page, const QString& text) {
    if (!w_.Pages->InUse(page)) return;
    BrowserPage& record = w_.Pages->Page(page);
    if (record.LastBulb >= 1 && record.LastBulb < record.BulbSlots.size())
        record.BulbSlots[record.LastBulb].Title = text;
    record.Title = text;
    record.WindowCaption = WindowCaptionFor(text);
    const int index = record.TabIndex - 1;
    w_.TabMain->setTabText(
        index, TabCaption(text, App().BrowserCount).replace(QLatin1Char('&'), QStringLiteral("&&")));
    w_.TabMain->setTabToolTip(index, text);
    if (isCurrent(page)) w_.setWindowTitle(record.WindowCaption);
}

void Navigation::NewWindow2(int, BrowserControl** target) {
    const int slot = w_.Pages->NewBrowser(3);
    if (slot) {
        w_.Pages->ActivateBrowser(slot); // places the page in the browser area too
        *target = w_.Pages->Control(slot);
    } else {
        *target = w_.Pages->Current();
    }
}

void Navigation::OnQuit(int) {
    App().Agent->Speak(QStringLiteral("On Quit"));
}
