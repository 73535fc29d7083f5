#include "lights/LightString.h"

#include "base/Random.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/PageEvents.h"
#include "lights/BulbPainter.h"

#include <QTimer>

LightString::LightString(Browsers& pages)
    : pages_(pages)
    , flasher_(new QTimer(this)) {
    flasher_->setInterval(500);
    connect(flasher_, &QTimer::timeout, this, &LightString::TimerBulbFlasher_Timer);
    connect(&pages_, &Browsers::pageCreated, this, [this](int page) { pageCreated(page); });
    connect(&pages_, &Browsers::currentPageChanged, this, &LightString::ShowPage);
    connect(&pages_, &Browsers::pageClosed, this, &LightString::PageClosed);
}

LightString::~LightString() = default;

void LightString::Follow(PageEvents& events) {
    connect(&events, &PageEvents::navigationStarted, this, &LightString::AddBulb);
    connect(&events, &PageEvents::navigationCommitted, this, &LightString::MarkBulbLoaded);
    connect(&events, &PageEvents::pageBusy, this, &LightString::PageBusy);
    connect(&events, &PageEvents::pageIdle, this, &LightString::PageIdle);
    connect(&events, &PageEvents::titleChanged, this, &LightString::SetBulbTitle);
    connect(this, &LightString::currentPageSettled, &events, &PageEvents::SettlePage);
}

void LightString::Place(const SlotCounts& counts, std::unique_ptr<BulbPainter> painter) {
    counts_ = counts;
    painter_ = std::move(painter);
    for (PageString& string : strings_)
        if (string.BulbSlots.size() < counts_.SlotCount + 1) string.BulbSlots.resize(counts_.SlotCount + 1);
}

void LightString::Place(const SlotCounts& counts) {
    Place(counts, nullptr);
}

void LightString::CaptureStripBackgrounds() {
    if (!painter_) return;
    painter_->CaptureStripBackgrounds();
    if (pages_.InUse(pages_.CurBrowser())) DrawAll();
}

bool LightString::isCurrent(int page) const {
    return page >= 1 && page == pages_.CurBrowser();
}

const PageString* LightString::StringOf(int page) const {
    const auto found = strings_.constFind(page);
    return found == strings_.constEnd() || !pages_.InUse(page) ? nullptr : &*found;
}

PageString* LightString::stringOf(int page) {
    return const_cast<PageString*>(std::as_const(*this).StringOf(page));
}

void LightString::pageCreated(int page) {
    PageString fresh;
    fresh.BulbSlots.resize(counts_.SlotCount + 1);
    strings_.insert(page, fresh);
}

void LightString::AddBulb(int page, const QString& address, int flags, const QString& targetFrame,
                          const QByteArray& postData, const QString& headers) {
    PageString* record = stringOf(page);
    if (!record || counts_.SlotCount < 1 || record->BulbSlots.size() <= counts_.SlotCount)
        return; // no string to hang bulbs on
    // After the string grew shorter the newest bulb may hang beyond its end; the next one starts
    // again at the first slot, and the bulbs beyond wait to be shown when the string grows again.
    const int slot =
        record->LastBulb >= counts_.SlotCount ? 1 : Bulbs::WrapBulbIndex(record->LastBulb, 1, counts_);
    record->LastBulb = slot;
    BulbRecord& bulb = record->BulbSlots[slot];
    bulb.Address = address;
    bulb.Flags = flags;
    bulb.TargetFrame = targetFrame;
    bulb.PostData = postData;
    bulb.Headers = headers;
    bulb.InUse = true;
    bulb.Colour = int(Rnd() * 5) + 1;
    bulb.Side = Bulbs::BulbSide(slot, counts_);
    bulb.Title.clear();
    bulb.State = BulbLit;
    // A second navigation to an address still pending hangs a bulb that does not blink.
    record->Pending.Add(address, slot);
    if (isCurrent(page)) DrawBulb(slot);
}

void LightString::MarkBulbLoaded(int page, const QString& address) {
    PageString* record = stringOf(page);
    if (!record) return;
    const int slot = record->Pending.Take(address);
    if (slot >= 1 && slot < record->BulbSlots.size()) {
        record->BulbSlots[slot].State = BulbLit;
        if (isCurrent(page)) DrawBulb(slot);
    }
}

void LightString::SetBulbTitle(int page, const QString& title) {
    PageString* record = stringOf(page);
    if (record && record->LastBulb >= 1 && record->LastBulb < record->BulbSlots.size())
        record->BulbSlots[record->LastBulb].Title = title;
}

void LightString::SettlePendingBulbs(int page) {
    PageString* record = stringOf(page);
    if (!record) return;
    for (int k = record->Pending.Count() - 1; k >= 0; --k) {
        const int slot = record->Pending.SlotAt(k);
        if (slot >= 1 && slot < record->BulbSlots.size()) {
            record->BulbSlots[slot].State = BulbLit;
            if (isCurrent(page)) DrawBulb(slot);
        }
        record->Pending.RemoveAt(k);
    }
}

void LightString::TimerBulbFlasher_Timer() {
    const int page = pages_.CurBrowser();
    BrowserControl* control = pages_.Current();
    PageString* record = stringOf(page);
    if (!control || !record) {
        flasher_->stop();
        return;
    }
    if (!control->Busy()) {
        SettlePendingBulbs(page);
        flasher_->stop();
        emit currentPageSettled(page);
        return;
    }
    for (int k = 0; k < record->Pending.Count(); ++k) {
        const int slot = record->Pending.SlotAt(k);
        if (slot >= 1 && slot < record->BulbSlots.size()) {
            record->BulbSlots[slot].State = Bulbs::FlipBulbState(record->BulbSlots[slot].State);
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

void LightString::PageClosed(int page, bool wasCurrent) {
    strings_.remove(page);
    if (!wasCurrent) return;
    flasher_->stop();
    RestoreStripBackgrounds();
}

void LightString::Stop() {
    flasher_->stop();
}

void LightString::DrawBulb(int slot) {
    const PageString* record = StringOf(pages_.CurBrowser());
    if (!painter_ || !record) return;
    if (slot >= 1 && slot < record->BulbSlots.size()) painter_->DrawBulb(slot, record->BulbSlots[slot]);
}

void LightString::DrawAll() {
    if (!painter_) return;
    if (const PageString* record = StringOf(pages_.CurBrowser()))
        painter_->DrawAll(record->BulbSlots);
    else
        painter_->RestoreStripBackgrounds();
}

void LightString::RestoreStripBackgrounds() {
    if (painter_) painter_->RestoreStripBackgrounds();
}
