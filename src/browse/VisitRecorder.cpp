#include "browse/VisitRecorder.h"

#include "browse/HistoryStore.h"
#include "browse/PageEvents.h"

VisitRecorder::VisitRecorder(PageEvents& events, HistoryStore& store)
    : store_(store) {
    connect(&events, &PageEvents::navigationCommitted, this, &VisitRecorder::PageArrived);
    connect(&events, &PageEvents::titleChanged, this, &VisitRecorder::PageTitled);
}

void VisitRecorder::PageArrived(int slot, const QString& address) {
    if (address.isEmpty() || shown_.value(slot) == address) return;
    shown_.insert(slot, address);
    store_.AddVisit(address);
}

void VisitRecorder::PageTitled(int slot, const QString& title) {
    const QString address = shown_.value(slot);
    // A page without a title of its own shows its address as the title; that is no title.
    if (address.isEmpty() || title.isEmpty() || title == address || address.endsWith(title)) return;
    store_.SetTitle(address, title);
}

void VisitRecorder::PageClosed(int slot) {
    shown_.remove(slot);
}
