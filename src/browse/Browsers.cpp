#include "browse/Browsers.h"

#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/Widgets.h"
#include "bookmarks/LightString.h"
#include "browse/BrowserControl.h"
#include "browse/LinksMenu.h"
#include "browse/Navigation.h"
#include "decor/DesktopSurface.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>

namespace {
const QString kProductCaption = QStringLiteral("Glisterwood 99");
} // namespace

Browsers::Browsers(FormMain& window)
    : w_(window)
    , pages_(1) {}

Browsers::~Browsers() {
    ReleaseAll();
}

void Browsers::ReleaseAll() {
    for (int slot = 1; slot <= SlotCount(); ++slot) {
        if (BrowserControl* control = pages_[slot].Control) {
            control->disconnect();
            delete control;
            pages_[slot].Control = nullptr;
        }
    }
}

bool Browsers::InUse(int slot) const {
    return slot >= 1 && slot <= SlotCount() && pages_[slot].InUse;
}

BrowserControl* Browsers::Control(int slot) const {
    return InUse(slot) ? pages_[slot].Control : nullptr;
}

int Browsers::SlotOfTab(int position) const {
    if (position < 1 || position > w_.TabMain->count()) return 0;
    return w_.TabMain->tabData(position - 1).toInt();
}

int Browsers::NewBrowser(int image) {
    int slot = 0;
    for (int s = 1; s <= SlotCount() && !slot; ++s)
        if (!pages_[s].InUse) slot = s;
    const bool newSlot = slot == 0;
    if (newSlot) slot = SlotCount() + 1;

    BrowserControl* control = w_.Factory().Create(w_.Surface);
    if (!control) return 0;
    control->View()->hide();
    if (newSlot) {
        pages_.resize(slot + 1);
        App().BrowserSlots = slot;
    }
    BrowserPage& page = pages_[slot];
    page.Reset(App().SlotCount);
    page.InUse = true;
    page.Control = control;
    ++App().BrowserCount;
    w_.Nav->Attach(control, slot);

    const QSignalBlocker blocker(w_.TabMain);
    const int index = w_.TabMain->addTab(newSlot ? kProductCaption : QString());
    w_.TabMain->setTabIcon(index, QIcon(image == 3 ? QStringLiteral(":/art/tab-browser.png") : QString()));
    w_.TabMain->setTabData(index, slot);
    page.TabIndex = w_.TabMain->count();
    return slot;
}

void Browsers::ActivateBrowser(int slot) {
    if (!InUse(slot)) return;
    BrowserPage& page = pages_[slot];
    QWidget* view = page.Control->View();
    if (slot == CurBrowser && !view->isHidden()) return;

    const int previous = CurBrowser;
    if (InUse(previous) && previous != slot && CurInterface == InterfaceBrowser) {
        BrowserPage& old = pages_[previous];
        old.AddressText = w_.EditUrl->text();
        old.SelStart =
            w_.EditUrl->hasSelectedText() ? w_.EditUrl->selectionStart() : w_.EditUrl->cursorPosition();
        old.SelLength = w_.EditUrl->selectedText().size();
        old.StatusText = w_.Nav->gCurStatusBarText;
    }

    view->setGeometry(w_.Layout().pane());
    view->show();
    view->raise();
    CurBrowser = slot;

    w_.setWindowTitle(WindowCaptionFor(page.Title));
    w_.EditUrl->setText(page.AddressText);
    if (page.SelLength > 0)
        w_.EditUrl->setSelection(page.SelStart, page.SelLength);
    else
        w_.EditUrl->setCursorPosition(page.SelStart);
    w_.Nav->SetStatusBarText(page.StatusText);

    if (page.Control->Busy())
        w_.TimerBulbFlasher->start();
    else
        w_.TimerBulbFlasher->stop();

    w_.Nav->ShowCorners(page);
    // Selecting the tab by program reaches SwitchToTab too, which marks the tab as used.
    w_.TabMain->setCurrentIndex(page.TabIndex - 1);

    w_.Lights->DrawAll();
    w_.Links->PopulateLinksMenu();

    if (InUse(previous) && previous != slot) pages_[previous].Control->View()->hide();
}

bool Browsers::removePage(int slot) {
    BrowserPage& page = pages_[slot];
    page.InUse = false;
    --App().BrowserCount;
    BrowserControl* control = page.Control;
    page.Control = nullptr;
    control->View()->hide();
    control->disconnect(); // a dying page says nothing more
    control->deleteLater();

    const int position = page.TabIndex;
    {
        const QSignalBlocker blocker(w_.TabMain);
        w_.TabMain->removeTab(position - 1);
    }
    Order.RemoveTabFromOrder(position);
    for (int s = 1; s <= SlotCount(); ++s)
        if (pages_[s].InUse && pages_[s].TabIndex > position) --pages_[s].TabIndex;
    App().CurrentTab = 0;

    if (slot == CurBrowser) {
        CurBrowser = 0;
        w_.TimerBulbFlasher->stop();
        w_.Lights->RestoreStripBackgrounds();
    }
    return true;
}

bool Browsers::CloseCurrentBrowser(int slot) {
    if (slot < 1 || slot > SlotCount() || !pages_[slot].InUse) return true;
    return removePage(slot);
}

void Browsers::CloseBrowser(int slot) {
    if (InUse(slot)) removePage(slot);
}

void Browsers::CloseCurrentPage() {
    if (CurInterface != InterfaceBrowser || CurBrowser < 1) return;
    CloseCurrentBrowser(CurBrowser);
    const int position = Order.MostRecentTab();
    w_.TabMain->setCurrentIndex(position - 1);
    SwitchToTab(position);
}

void Browsers::OpenInNewBrowser(const QString& address) {
    const int slot = NewBrowser(3);
    if (!slot) return;
    ActivateBrowser(slot);
    const QString target = address.trimmed().isEmpty() ? App().StartupPage : address;
    pages_[slot].Control->Navigate(target);
}

void Browsers::SwitchToTab(int position) {
    if (position == App().CurrentTab || position < 1) return;
    App().CurrentTab = position;
    Order.TouchTab(position);
    if (position == 1) {
        SelectInterface_Bookmarks();
    } else if (position == 2) {
        SelectInterface_History();
    } else {
        SelectInterface_Browser();
        ActivateBrowser(SlotOfTab(position));
    }
}

void Browsers::SwitchToNeighbourTab(int step) {
    const int count = w_.TabMain->count();
    if (count < 1) return;
    const int current = w_.TabMain->currentIndex();
    w_.TabMain->setCurrentIndex(((current + step) % count + count) % count);
}

void Browsers::CleanupBadWindows() {
    bool currentClosed = false;
    for (int slot = SlotCount(); slot >= 1; --slot) {
        if (!pages_[slot].InUse || pages_[slot].Control->Alive()) continue;
        currentClosed = currentClosed || slot == CurBrowser;
        CloseBrowser(slot);
    }
    if (currentClosed) {
        const int position = Order.MostRecentTab();
        w_.TabMain->setCurrentIndex(position - 1);
        SwitchToTab(position);
    }
}
