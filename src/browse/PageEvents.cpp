#include "browse/PageEvents.h"

#include "browse/BrowserControl.h"
#include "browse/Browsers.h"

PageEvents::PageEvents(Browsers& pages)
    : pages_(pages) {
    connect(&pages_, &Browsers::pageCreated, this, &PageEvents::attach);
    connect(&pages_, &Browsers::pageClosed, this, [this](int slot) { shown_.remove(slot); });
    connect(&pages_, &Browsers::pageLeaving, this, [this](int slot) {
        if (PageShown* page = shown(slot)) page->StatusText = statusBarText_;
    });
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
    return slot >= 1 && slot == pages_.CurBrowser();
}

const PageShown* PageEvents::Shown(int slot) const {
    const auto found = shown_.constFind(slot);
    return found == shown_.constEnd() || !pages_.InUse(slot) ? nullptr : &*found;
}

PageShown* PageEvents::shown(int slot) {
    return const_cast<PageShown*>(std::as_const(*this).Shown(slot));
}

void PageEvents::KeepAddressBox(int slot, const QString& text, int selStart, int selLength) {
    if (PageShown* page = shown(slot)) {
        page->AddressText = text;
        page->SelStart = selStart;
        page->SelLength = selLength;
    }
}

void PageEvents::attach(int slot, BrowserControl* control) {
    shown_.insert(slot, PageShown());
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
    connect(control, &BrowserControl::OnQuit, this,
            [this] { emit speakRequested(QStringLiteral("On Quit")); });
}

void PageEvents::SetStatusBarText(const QString& text) {
    statusBarText_ = text;
    emit statusTextChanged(text, 2);
}

void PageEvents::UpdateCorner(int slot, int corner, bool shown) {
    PageShown* page = this->shown(slot);
    if (!page || corner < CornerBack || corner > CornerReload) return;
    page->NavButtons[corner] = shown;
    if (pages_.CurInterface() == InterfaceBrowser && isCurrent(slot)) emit cornerChanged(corner, shown);
}

bool PageEvents::CornerShown(int corner) const {
    const PageShown* page = Shown(pages_.CurBrowser());
    return pages_.CurInterface() == InterfaceBrowser && page && corner >= CornerBack &&
           corner <= CornerReload && page->NavButtons[corner];
}

void PageEvents::ShowCorners(const PageShown& page) {
    for (int corner = CornerBack; corner <= CornerReload; ++corner)
        emit cornerChanged(corner, page.NavButtons[corner]);
}

void PageEvents::SettlePage(int slot) {
    PageShown* page = shown(slot);
    if (!page) return;
    page->Busy.Settle();
    emit pageIdle(slot);
}

void PageEvents::currentPageChanged(int slot) {
    const PageShown* page = Shown(slot);
    if (!page) return;
    emit windowCaptionChanged(WindowCaptionFor(pages_.Page(slot).Title));
    emit addressShown(page->AddressText, page->SelStart, page->SelLength);
    SetStatusBarText(page->StatusText);
    ShowCorners(*page);
}

void PageEvents::paneChanged(Interface pane) {
    if (const PageShown* page = Shown(pages_.CurBrowser()); pane == InterfaceBrowser && page) {
        ShowCorners(*page);
    } else if (pane != InterfaceBrowser) {
        for (int corner = CornerBack; corner <= CornerReload; ++corner)
            emit cornerChanged(corner, false);
    }
    SetStatusBarText(QString());
}

void PageEvents::BeforeNavigate2(int slot, const QString& address, int flags, const QString& targetFrame,
                                 const QByteArray& postData, const QString& headers) {
    PageShown* page = shown(slot);
    if (!page) return;
    if (page->Busy.Begin()) {
        UpdateCorner(slot, CornerReload, false);
        UpdateCorner(slot, CornerStop, true);
        emit pageBusy(slot);
    }
    emit navigationStarted(slot, address, flags, targetFrame, postData, headers);
    // A navigation inside a frame leaves the address box alone.
    if (isCurrent(slot) && targetFrame.isEmpty()) emit addressTextChanged(address);
}

void PageEvents::NavigateComplete2(int slot, const QString& address) {
    PageShown* page = shown(slot);
    if (!page) return;
    UpdateCorner(slot, CornerReload, true);
    // Every page keeps its final address, so a page that finished loading in the background shows
    // the right one when it becomes current.
    page->AddressText = pages_.Control(slot)->LocationURL();
    if (isCurrent(slot) && pages_.CurInterface() == InterfaceBrowser)
        emit addressTextChanged(page->AddressText);
    emit navigationCommitted(slot, address);
}

void PageEvents::EndPageBusy(int slot) {
    if (PageShown* page = shown(slot); page && page->Busy.End()) emit pageIdle(slot);
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
    emit thinkRequested((secure ? QStringLiteral("Loaded secure page: ") : QStringLiteral("Loaded: ")) +
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
    PageShown* page = shown(slot);
    if (!page) return;
    emit titleChanged(slot, text);
    QString caption = TabCaption(text, pages_.BrowserCount());
    pages_.SetTitle(slot, text, caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    if (isCurrent(slot)) emit windowCaptionChanged(WindowCaptionFor(text));
}

void PageEvents::NewWindow2(BrowserControl** target) {
    const int slot = pages_.NewBrowser(TabImageBrowser);
    if (slot) {
        pages_.ActivateBrowser(slot); // places the page in the browser area too
        *target = pages_.Control(slot);
    } else {
        *target = pages_.Current();
    }
}
