#include "bookmarks/LightString.h"

#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/Random.h"
#include "app/RegUtil.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/LinksMenu.h"
#include "browse/Navigation.h"

#include <QLineEdit>
#include <QTimer>

namespace {
SlotCounts counts() {
    const AppGlobals& g = App();
    return {g.TopCount, g.SideCount, g.RightEnd, g.BottomEnd, g.SlotCount};
}
} // namespace

LightString::LightString(FormMain& window)
    : w_(window) {}

void LightString::CreateBulbBackgrounds() {
    const int index = RegUtil::GetRegNumber(RegUtil::kProductKey, QStringLiteral("Background"));
    App().BackgroundIndex = (index < 1 || index > 14) ? 1 : index;
}

void LightString::AddBulb(int page, const QString& address, int flags, const QString& targetFrame,
                          const QByteArray& postData, const QString& headers) {
    w_.HistoryList->AddToHistory(address);
    if (!w_.Pages->InUse(page)) return;
    BeginPageBusy(page);
    BrowserPage& record = w_.Pages->Page(page);
    if (App().SlotCount < 1 || record.BulbSlots.size() <= App().SlotCount)
        return; // no string to hang bulbs on
    const int slot = Bulbs::WrapBulbIndex(record.LastBulb, 1, counts());
    record.LastBulb = slot;
    BulbRecord& bulb = record.BulbSlots[slot];
    bulb.Address = address;
    bulb.Flags = flags;
    bulb.TargetFrame = targetFrame;
    bulb.PostData = postData;
    bulb.Headers = headers;
    bulb.InUse = true;
    bulb.Colour = int(Rnd() * 5) + 1;
    bulb.Side = Bulbs::BulbSide(slot, counts());
    bulb.Title.clear();
    bulb.State = 2;
    // A second navigation to an address still pending hangs a bulb that does not blink.
    record.Pending.Add(address, slot);
    if (page == w_.Pages->CurBrowser) {
        DrawBulb(slot);
        if (targetFrame.isEmpty()) w_.EditUrl->setText(address);
    }
}

void LightString::BeginPageBusy(int page) {
    BrowserPage& record = w_.Pages->Page(page);
    ++record.BusyCount;
    if (record.BusyCount == 1) {
        w_.Nav->UpdateCorner(page, CornerReload, false);
        w_.Nav->UpdateCorner(page, CornerStop, true);
        if (page == w_.Pages->CurBrowser) w_.TimerBulbFlasher->start();
    }
}

void LightString::MarkBulbLoaded(int page, const QString& address) {
    if (!w_.Pages->InUse(page)) return;
    w_.Nav->UpdateCorner(page, CornerReload, true);
    BrowserPage& record = w_.Pages->Page(page);
    // Every page keeps its final address, so a page that finished loading in the background shows
    // the right one when it becomes current.
    record.AddressText = record.Control->LocationURL();
    if (page == w_.Pages->CurBrowser && w_.Pages->CurInterface == InterfaceBrowser)
        w_.EditUrl->setText(record.AddressText);
    const int slot = record.Pending.Take(address);
    if (slot >= 1 && slot < record.BulbSlots.size()) {
        record.BulbSlots[slot].State = 2;
        if (page == w_.Pages->CurBrowser) DrawBulb(slot);
    }
}

void LightString::SettlePendingBulbs(int page) {
    BrowserPage& record = w_.Pages->Page(page);
    for (int k = record.Pending.Count() - 1; k >= 0; --k) {
        const int slot = record.Pending.SlotAt(k);
        if (slot >= 1 && slot < record.BulbSlots.size()) {
            record.BulbSlots[slot].State = 2;
            if (page == w_.Pages->CurBrowser) DrawBulb(slot);
        }
        record.Pending.RemoveAt(k);
    }
    record.BusyCount = 0;
}

void LightString::TimerBulbFlasher_Timer() {
    const int page = w_.Pages->CurBrowser;
    BrowserControl* control = w_.Pages->Current();
    if (!control) {
        w_.TimerBulbFlasher->stop();
        return;
    }
    if (!control->Busy()) {
        SettlePendingBulbs(page);
        w_.Nav->UpdateCorner(page, CornerStop, false);
        w_.TimerBulbFlasher->stop();
        w_.Links->PopulateLinksMenu();
        App().Agent->Script(QStringLiteral("page_loaded"));
        return;
    }
    BrowserPage& record = w_.Pages->Page(page);
    for (int k = 0; k < record.Pending.Count(); ++k) {
        const int slot = record.Pending.SlotAt(k);
        if (slot >= 1 && slot < record.BulbSlots.size()) {
            record.BulbSlots[slot].State = Bulbs::FlipBulbState(record.BulbSlots[slot].State);
            DrawBulb(slot);
        }
    }
}

// The bulbs are painted onto the window's surface by the light-string painter; until it is in
// place the string is kept in the page records only.
void LightString::DrawBulb(int) {}
void LightString::DrawAll() {}
void LightString::RestoreStripBackgrounds() {}
