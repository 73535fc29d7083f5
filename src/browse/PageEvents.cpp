#include "browse/PageEvents.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"

PageEvents::PageEvents(Browsers& pages)
    : pages_(pages) {
    connect(&pages_, &Browsers::pageCreated, this, &PageEvents::attach);
    connect(&pages_, &Browsers::pageLeaving, this,
            [this](int slot) { pages_.Page(slot).StatusText = statusBarText_; });
    connect(&pages_, &Browsers::currentPageChanged, this, &PageEvents::currentPageChanged);
    connect(&pages_, &Browsers::paneChanged, this, &PageEvents::paneChanged);
    connect(&pages_, &Browsers::pageCrashed, this, [this](const QString& address, const QString& title) {
        const QString name = title.isEmpty() ? address : QStringLiteral("%1 (%2)").arg(title, address);
        SetStatusBarText(QStringLiteral("The page %1 stopped working and was closed. You can open it again "
                                        "from the History list.")
                             .arg(name));
    });
}

bool PageEvents::isCurrent(int slot) const {
    return slot >= 1 && slot == pages_.CurBrowser;
}

void PageEvents::attach(int slot, BrowserControl* control) {
    connect(control, &BrowserControl::BeforeNavigate2, this,
            [this, slot](const QString& a, int f, const QString& t, const QByteArray& p, const QString& h) {
                BeforeNavigate2(slot, a, f, t, p, h);
            });
    connect(control, &BrowserControl::NavigateComplete2, this,
            [this, slot](const QString& a) { NavigateComplete2(slot, a); });
    connect(control, &BrowserControl::ProgressChange, this, [this, slot](int progress, int) {
        if (progress == -1) EndPageBusy(slot); // only a finished download counts
    });
    connect(control, &BrowserControl::CommandStateChange, this,
            [this, slot](int c, bool e) { CommandStateChange(slot, c, e); });
    connect(control, &BrowserControl::DocumentComplete, this, [this, slot] { DocumentComplete(slot); });
    connect(control, &BrowserControl::StatusTextChange, this,
            [this, slot](const QString& t) { StatusTextChange(slot, t); });
    connect(control, &BrowserControl::TitleChange, this,
            [this, slot](const QString& t) { TitleChange(slot, t); });
    connect(control, &BrowserControl::NewWindow2, this, &PageEvents::NewWindow2);
    connect(control, &BrowserControl::Notice, this, [this, slot](const QString& text) {
        if (isCurrent(slot)) SetStatusBarText(text);
    });
    connect(control, &BrowserControl::OnQuit, this, [] { App().Agent->Speak(QStringLiteral("On Quit")); });
}

void PageEvents::SetStatusBarText(const QString& text) {
    statusBarText_ = text;
    emit statusTextChanged(text, 2);
}

void PageEvents::UpdateCorner(int slot, int corner, bool shown) {
    if (!pages_.InUse(slot) || corner < CornerBack || corner > CornerReload) return;
    pages_.Page(slot).NavButtons[corner] = shown;
    if (pages_.CurInterface == InterfaceBrowser && isCurrent(slot)) emit cornerChanged(corner, shown);
}

void PageEvents::ShowCorners(const BrowserPage& page) {
    for (int corner = CornerBack; corner <= CornerReload; ++corner)
        emit cornerChanged(corner, page.NavButtons[corner]);
}

void PageEvents::SettlePage(int slot) {
    if (!pages_.InUse(slot)) return;
    pages_.Page(slot).Busy.Settle();
    emit pageIdle(slot);
}

void PageEvents::currentPageChanged(int slot) {
    const BrowserPage& page = pages_.Page(slot);
    emit windowCaptionChanged(WindowCaptionFor(page.Title));
    emit addressShown(page.AddressText, page.SelStart, page.SelLength);
    SetStatusBarText(page.StatusText);
    ShowCorners(page);
}

void PageEvents::paneChanged(int pane) {
    if (pane == InterfaceBrowser && pages_.InUse(pages_.CurBrowser)) {
        ShowCorners(pages_.Page(pages_.CurBrowser));
    } else if (pane != InterfaceBrowser) {
        for (int corner = CornerBack; corner <= CornerReload; ++corner)
            emit cornerChanged(corner, false);
    }
    SetStatusBarText(QString());
}

void PageEvents::BeforeNavigate2(int slot, const QString& address, int flags, const QString& targetFrame,
                                 const QByteArray& postData, const QString& headers) {
    if (!pages_.InUse(slot)) return;
    if (pages_.Page(slot).Busy.Begin()) {
        UpdateCorner(slot, CornerReload, false);
        UpdateCorner(slot, CornerStop, true);
        emit pageBusy(slot);
    }
    emit navigationStarted(slot, address, flags, targetFrame, postData, headers);
    // A navigation inside a frame leaves the address box alone.
    if (isCurrent(slot) && targetFrame.isEmpty()) emit addressTextChanged(address);
}

void PageEvents::NavigateComplete2(int slot, const QString& address) {
    if (!pages_.InUse(slot)) return;
    UpdateCorner(slot, CornerReload, true);
    BrowserPage& page = pages_.Page(slot);
    // Every page keeps its final address, so a page that finished loading in the background shows
    // the right one when it becomes current.
    page.AddressText = page.Control->LocationURL();
    if (isCurrent(slot) && pages_.CurInterface == InterfaceBrowser) emit addressTextChanged(page.AddressText);
    emit navigationCommitted(slot, address);
}

void PageEvents::EndPageBusy(int slot) {
    if (pages_.InUse(slot) && pages_.Page(slot).Busy.End()) emit pageIdle(slot);
}

void PageEvents::CommandStateChange(int slot, int command, bool enabled) {
    if (command == BrowserControl::CommandBack)
        UpdateCorner(slot, CornerBack, enabled);
    else if (command == BrowserControl::CommandForward)
        UpdateCorner(slot, CornerForward, enabled);
}

void PageEvents::DocumentComplete(int slot) {
    if (!isCurrent(slot)) return;
    BrowserControl* control = pages_.Current();
    const QString url = control->LocationURL();
    const bool secure = url.left(6).toLower() == QLatin1String("https:");
    App().Agent->ThinkAsWritten(
        (secure ? QStringLiteral("Loaded secure page: ") : QStringLiteral("Loaded: ")) +
        control->LocationName() + QLatin1Char('.'));
}

void PageEvents::StatusTextChange(int slot, const QString& text) {
    // Shown at the left edge and not kept: the page says it again when it needs to.
    if (isCurrent(slot)) emit statusTextChanged(text, 0);
}

QString PageEvents::TabCaption(const QString& title, int pagesOpen) {
    return pagesOpen < 2 ? title : title.left(30);
}

void PageEvents::TitleChange(int slot, const QString& text) {
    if (!pages_.InUse(slot)) return;
    BrowserPage& page = pages_.Page(slot);
    if (page.LastBulb >= 1 && page.LastBulb < page.BulbSlots.size())
        page.BulbSlots[page.LastBulb].Title = text;
    page.Title = text;
    page.WindowCaption = WindowCaptionFor(text);
    QString caption = TabCaption(text, pages_.BrowserCount());
    pages_.SetTabCaption(slot, caption.replace(QLatin1Char('&'), QStringLiteral("&&")), text);
    if (isCurrent(slot)) emit windowCaptionChanged(page.WindowCaption);
}

void PageEvents::NewWindow2(BrowserControl** target) {
    const int slot = pages_.NewBrowser(3);
    if (slot) {
        pages_.ActivateBrowser(slot); // places the page in the browser area too
        *target = pages_.Control(slot);
    } else {
        *target = pages_.Current();
    }
}
