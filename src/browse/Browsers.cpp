#include "browse/Browsers.h"

#include "base/ProductProfile.h"
#include "browse/BrowserControl.h"

#include <QIcon>
#include <QPointer>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <memory>

Browsers::Browsers(BrowserFactory& factory, QTabBar& tabs, QWidget& area)
    : factory_(factory)
    , tabs_(tabs)
    , area_(area)
    , pages_(1)
    , deadPageCheck_(new QTimer(this)) {
    deadPageCheck_->setInterval(500);
    connect(deadPageCheck_, &QTimer::timeout, this, &Browsers::CleanupBadWindows);
    StartPage = [] { return ProductProfile().Product_StartupPage(); };
    connect(&tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0) SwitchToTab(index + 1);
    });
}

Browsers::~Browsers() {
    ReleaseAll();
}

void Browsers::Place(const QRect& pane) {
    pane_ = pane;
    // Every page follows, so a page shown later is already in place.
    for (int slot = 1; slot <= BrowserSlots(); ++slot)
        if (InUse(slot)) pages_[slot].Control->View()->setGeometry(pane_);
    emit placed(pane_);
}

void Browsers::StartDeadPageCheck() {
    deadPageCheck_->start();
}

void Browsers::ReleaseAll() {
    deadPageCheck_->stop();
    for (int slot = 1; slot <= BrowserSlots(); ++slot) {
        if (BrowserControl* control = pages_[slot].Control) {
            control->disconnect();
            // A page inside one of its own dialogs goes once the dialog has returned.
            if (control->DialogOpen())
                control->Dispose();
            else
                delete control;
            pages_[slot].Control = nullptr;
        }
    }
}

bool Browsers::InUse(int slot) const {
    return slot >= 1 && slot <= BrowserSlots() && pages_[slot].InUse;
}

BrowserControl* Browsers::Control(int slot) const {
    return InUse(slot) ? pages_[slot].Control : nullptr;
}

int Browsers::SlotOfTab(int position) const {
    if (position < 1 || position > tabs_.count()) return 0;
    return tabs_.tabData(position - 1).toInt();
}

int Browsers::TabPositionOf(int slot) const {
    if (slot < 1) return 0;
    for (int index = 0; index < tabs_.count(); ++index)
        if (tabs_.tabData(index).toInt() == slot) return index + 1;
    return 0;
}

void Browsers::SetTabCaption(int slot, const QString& caption, const QString& toolTip) {
    const int position = TabPositionOf(slot);
    if (position < 1) return;
    tabs_.setTabText(position - 1, caption);
    tabs_.setTabToolTip(position - 1, toolTip);
}

void Browsers::SetTitle(int slot, const QString& title, const QString& caption) {
    if (!InUse(slot)) return;
    pages_[slot].Title = title;
    SetTabCaption(slot, caption, title);
}

int Browsers::NewBrowser(TabImage image) {
    int slot = 0;
    for (int s = 1; s <= BrowserSlots() && !slot; ++s)
        if (!pages_[s].InUse) slot = s;
    const bool newSlot = slot == 0;
    if (newSlot) slot = BrowserSlots() + 1;

    BrowserControl* control = factory_.Create(&area_);
    if (!control) return 0;
    control->View()->hide();
    if (newSlot) pages_.resize(slot + 1);
    BrowserPage& page = pages_[slot];
    page = BrowserPage();
    page.InUse = true;
    page.Control = control;
    ++count_;
    emit pageCreated(slot, control);

    const QSignalBlocker blocker(tabs_);
    const int index = tabs_.addTab(newSlot ? ProductProfile().Product_Name() : QString());
    tabs_.setTabIcon(index,
                     QIcon(image == TabImageBrowser ? QStringLiteral(":/art/tab-browser.png") : QString()));
    tabs_.setTabData(index, slot);
    // The page's own picture on its tab once it has one; the browser picture until then.
    connect(control, &BrowserControl::IconChange, this, [this, slot](const QIcon& icon) {
        if (const int position = TabPositionOf(slot); position >= 1)
            tabs_.setTabIcon(position - 1,
                             icon.isNull() ? QIcon(QStringLiteral(":/art/tab-browser.png")) : icon);
    });
    return slot;
}

void Browsers::ActivateBrowser(int slot) {
    if (!InUse(slot)) return;
    QWidget* view = pages_[slot].Control->View();
    if (slot == curBrowser_ && !view->isHidden()) return;

    const int previous = curBrowser_;
    if (InUse(previous) && previous != slot && curInterface_ == InterfaceBrowser) emit pageLeaving(previous);

    view->setGeometry(pane_);
    view->show();
    view->raise();
    curBrowser_ = slot;
    emit currentPageChanged(slot);
    // Selecting the tab by program reaches SwitchToTab too, which marks the tab as used.
    SelectTab(TabPositionOf(slot));

    if (InUse(previous) && previous != slot) pages_[previous].Control->View()->hide();
}

void Browsers::removePage(int slot) {
    emit pageClosing(slot);
    BrowserPage& page = pages_[slot];
    const int position = TabPositionOf(slot);
    page.InUse = false;
    --count_;
    BrowserControl* control = page.Control;
    page.Control = nullptr;
    asking_.remove(control);
    control->View()->hide();
    control->disconnect(); // a dying page says nothing more
    control->Dispose();

    {
        const QSignalBlocker blocker(tabs_);
        tabs_.removeTab(position - 1);
    }
    Order.RemoveTabFromOrder(position);
    currentTab_ = 0;

    const bool wasCurrent = slot == curBrowser_;
    if (wasCurrent) curBrowser_ = 0;
    emit pageClosed(slot, wasCurrent);
}

bool Browsers::CloseCurrentBrowser(int slot) {
    if (InUse(slot)) removePage(slot);
    return true;
}

void Browsers::CloseBrowser(int slot) {
    if (InUse(slot)) removePage(slot);
}

void Browsers::CloseCurrentPage() {
    if (curInterface_ != InterfaceBrowser || curBrowser_ < 1) return;
    ClosePage(curBrowser_);
}

void Browsers::ClosePage(int slot) {
    if (!InUse(slot)) return;
    askToClose(slot, [this, slot](bool agreed) {
        if (!agreed || !InUse(slot)) return;
        const bool wasCurrent = slot == curBrowser_;
        CloseCurrentBrowser(slot);
        if (!wasCurrent) { // a page in the background, or the user went elsewhere meanwhile
            currentTab_ = tabs_.currentIndex() + 1;
            return;
        }
        const int position = Order.MostRecentTab();
        SelectTab(position);
        SwitchToTab(position);
    });
}

void Browsers::askToClose(int slot, std::function<void(bool)> done) {
    QPointer<BrowserControl> control(Control(slot));
    if (!control) return;
    if (!control->Alive()) {
        done(true);
        return;
    }
    // One question per page at a time; pressing Ctrl+W again while it is asked does nothing.
    if (asking_.contains(control)) return;
    // A page showing one of its own dialogs cannot answer; the user's close wins over the dialog.
    if (control->DialogOpen()) {
        done(true);
        return;
    }
    asking_.insert(control);
    // A page whose script hangs never answers; unless it is asking the user, it closes anyway.
    QPointer<QTimer> patience = new QTimer(control);
    patience->setInterval(kCloseAnswerMs);
    auto answered = std::make_shared<bool>(false);
    auto finish = [this, control, patience, answered, done](bool close) {
        if (*answered) return;
        *answered = true;
        if (patience) patience->deleteLater();
        asking_.remove(control);
        // The slot may hold another page by now; only this page's answer counts.
        if (control) done(close);
    };
    connect(patience, &QTimer::timeout, this, [control, finish] {
        if (control && !control->DialogOpen()) finish(true); // else the user is still deciding
    });
    connect(control, &BrowserControl::CloseAnswered, this, finish, Qt::SingleShotConnection);
    patience->start();
    control->RequestClose();
}

void Browsers::AskAllToClose(std::function<void(bool)> done) {
    QVector<int> open;
    for (int slot = 1; slot <= BrowserSlots(); ++slot)
        if (InUse(slot)) open.append(slot);
    if (open.isEmpty()) {
        done(true);
        return;
    }
    struct Round {
        int waiting;
        bool over = false;
        bool asking = true; // still inside this call
        std::function<void(bool)> done;
    };
    auto round = std::make_shared<Round>(Round{int(open.size()), false, true, std::move(done)});
    for (int slot : open) {
        if (!InUse(slot)) continue;
        askToClose(slot, [this, round](bool agreed) {
            if (round->over) return;
            if (agreed && --round->waiting > 0) return;
            round->over = true;
            // A late answer comes from inside the page's own signal; the pages may only go after it.
            if (round->asking)
                round->done(agreed);
            else
                QTimer::singleShot(0, this, [round, agreed] { round->done(agreed); });
        });
    }
    round->asking = false;
}

void Browsers::OpenInNewBrowser(const QString& address) {
    const int slot = NewBrowser(TabImageBrowser);
    if (!slot) return;
    ActivateBrowser(slot);
    const QString target = address.trimmed().isEmpty() ? StartPage() : address;
    pages_[slot].Control->Navigate(target);
}

void Browsers::SwitchToTab(int position) {
    if (position == currentTab_ || position < 1) return;
    currentTab_ = position;
    Order.TouchTab(position);
    if (position == TabBookmarks) {
        SelectInterface_Bookmarks();
    } else if (position == TabHistory) {
        SelectInterface_History();
    } else {
        SelectInterface_Browser();
        ActivateBrowser(SlotOfTab(position));
    }
}

void Browsers::SelectTab(int position) {
    if (position >= 1) tabs_.setCurrentIndex(position - 1);
}

void Browsers::SwitchToNeighbourTab(int step) {
    const int count = tabs_.count();
    if (count < 1) return;
    const int current = tabs_.currentIndex();
    tabs_.setCurrentIndex(((current + step) % count + count) % count);
}

void Browsers::CleanupBadWindows() {
    bool currentClosed = false;
    QList<QPair<QString, QString>> crashed; // told once the window shows where it went
    for (int slot = BrowserSlots(); slot >= 1; --slot) {
        if (!pages_[slot].InUse || pages_[slot].Control->Alive()) continue;
        currentClosed = currentClosed || slot == curBrowser_;
        if (pages_[slot].Control->Crashed())
            crashed.append({pages_[slot].Control->LocationURL(), pages_[slot].Title});
        CloseBrowser(slot);
    }
    if (currentClosed) {
        const int position = Order.MostRecentTab();
        SelectTab(position);
        SwitchToTab(position);
    }
    for (const auto& [address, title] : crashed)
        emit pageCrashed(address, title);
}

void Browsers::selectPane(Interface pane) {
    curInterface_ = pane;
    if (pane != InterfaceBrowser)
        if (BrowserControl* page = Current()) page->View()->hide();
    emit paneChanged(pane);
}

void Browsers::SelectInterface_Browser() {
    selectPane(InterfaceBrowser);
}

void Browsers::SelectInterface_History() {
    selectPane(InterfaceHistory);
}

void Browsers::SelectInterface_Bookmarks() {
    selectPane(InterfaceBookmarks);
}
