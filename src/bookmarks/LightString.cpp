#include "bookmarks/LightString.h"

#include "app/AppGlobals.h"
#include "app/Random.h"
#include "app/RegUtil.h"
#include "bookmarks/BulbPainter.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"

#include <QTimer>

LightString::LightString(Browsers& pages)
    : pages_(pages)
    , flasher_(new QTimer(this)) {
    flasher_->setInterval(500);
    connect(flasher_, &QTimer::timeout, this, &LightString::TimerBulbFlasher_Timer);
}

LightString::~LightString() = default;

void LightString::Place(const SlotCounts& counts, std::unique_ptr<BulbPainter> painter) {
    counts_ = counts;
    painter_ = std::move(painter);
}

void LightString::Place(const SlotCounts& counts) {
    Place(counts, nullptr);
}

void LightString::CaptureStripBackgrounds() {
    if (!painter_) return;
    painter_->CaptureStripBackgrounds();
    if (pages_.InUse(pages_.CurBrowser)) DrawAll();
}

bool LightString::isCurrent(int page) const {
    return page >= 1 && page == pages_.CurBrowser;
}

void LightString::CreateBulbBackgrounds() {
    const int index = RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kBackground);
    App().BackgroundIndex = (index < 1 || index > 14) ? 1 : index;
}

void LightString::AddBulb(int page, const QString& address, int flags, const QString& targetFrame,
                          const QByteArray& postData, const QString& headers) {
    if (!pages_.InUse(page)) return;
    BrowserPage& record = pages_.Page(page);
    if (counts_.SlotCount < 1 || record.BulbSlots.size() <= counts_.SlotCount)
        return; // no string to hang bulbs on
    const int slot = Bulbs::WrapBulbIndex(record.LastBulb, 1, counts_);
    record.LastBulb = slot;
    BulbRecord& bulb = record.BulbSlots[slot];
    bulb.Address = address;
    bulb.Flags = flags;
    bulb.TargetFrame = targetFrame;
    bulb.PostData = postData;
    bulb.Headers = headers;
    bulb.InUse = true;
    bulb.Colour = int(Rnd() * 5) + 1;
    bulb.Side = Bulbs::BulbSide(slot, counts_);
    bulb.Title.clear();
    bulb.State = 2;
    // A second navigation to an address still pending hangs a bulb that does not blink.
    record.Pending.Add(address, slot);
    if (isCurrent(page)) DrawBulb(slot);
}

void LightString::MarkBulbLoaded(int page, const QString& address) {
    if (!pages_.InUse(page)) return;
    BrowserPage& record = pages_.Page(page);
    const int slot = record.Pending.Take(address);
    if (slot >= 1 && slot < record.BulbSlots.size()) {
        record.BulbSlots[slot].State = 2;
        if (isCurrent(page)) DrawBulb(slot);
    }
}

void LightString::SettlePendingBulbs(int page) {
    BrowserPage& record = pages_.Page(page);
    for (int k = record.Pending.Count() - 1; k >= 0; --k) {
        const int slot = record.Pending.SlotAt(k);
        if (slot >= 1 && slot < record.BulbSlots.size()) {
            record.BulbSlots[slot].State = 2;
            if (isCurrent(page)) DrawBulb(slot);
        }
        record.Pending.RemoveAt(k);
    }
}

void LightString::TimerBulbFlasher_Timer() {
    const int page = pages_.CurBrowser;
    BrowserControl* control = pages_.Current();
    if (!control) {
        flasher_->stop();
        return;
    }
    if (!control->Busy()) {
        SettlePendingBulbs(page);
        flasher_->stop();
        emit currentPageSettled(page);
        return;
    }
    BrowserPage& record = pages_.Page(page);
    for (int k = 0; k < record.Pending.Count(); ++k) {
        const int slot = record.Pending.SlotAt(k);
        if (slot >= 1 && slot < record.BulbSlots.size()) {
            record.BulbSlots[slot].State = Bulbs::FlipBulbState(record.BulbSlots[slot].State);
            DrawBulb(slot);
        }
    }
}

void LightString::PageBusy(int page) {
    if (isCurrent(page)) flasher_->start();
}

void LightString::PageIdle(int page) {
    if (isCurrent(page)) flasher_->stop();
}

void LightString::ShowPage(int page) {
    BrowserControl* control = pages_.Control(page);
    if (control && control->Busy())
        flasher_->start();
    else
        flasher_->stop();
    DrawAll();
}

void LightString::PageClosed(int, bool wasCurrent) {
    if (!wasCurrent) return;
    flasher_->stop();
    RestoreStripBackgrounds();
}

void LightString::DrawBulb(int slot) {
    if (!painter_ || !pages_.InUse(pages_.CurBrowser)) return;
    const QVector<BulbRecord>& bulbs = pages_.Page(pages_.CurBrowser).BulbSlots;
    if (slot >= 1 && slot < bulbs.size()) painter_->DrawBulb(slot, bulbs[slot]);
}

void LightString::DrawAll() {
    if (!painter_) return;
    if (pages_.InUse(pages_.CurBrowser))
        painter_->DrawAll(pages_.Page(pages_.CurBrowser).BulbSlots);
    else
        painter_->RestoreStripBackgrounds();
}

void LightString::RestoreStripBackgrounds() {
    if (painter_) painter_->RestoreStripBackgrounds();
}
