#include "bookmarks/Bulbs.h"

bool PendingBulbs::Add(const QString& address, int slot) {
    if (Contains(address)) return false;
    items_.append({address, slot});
    return true;
}

int PendingBulbs::Take(const QString& address) {
    for (int i = 0; i < items_.size(); ++i) {
        if (items_[i].first == address) {
            const int slot = items_[i].second;
            items_.remove(i);
            return slot;
        }
    }
    return 0;
}

bool PendingBulbs::Contains(const QString& address) const {
    for (const auto& item : items_)
        if (item.first == address) return true;
    return false;
}

namespace Bulbs {

int BulbSide(int slot, const SlotCounts& c) {
    if (slot <= c.TopCount) return 0;
    if (slot <= c.RightEnd) return 1;
    if (slot <= c.BottomEnd) return 2;
    return 3;
}

int WrapBulbIndex(int slot, int delta, const SlotCounts& c) {
    if (c.SlotCount < 1) return 1;
    int s = slot + delta;
    while (s > c.SlotCount)
        s -= c.SlotCount;
    while (s < 1)
        s += c.SlotCount;
    return s;
}

} // namespace Bulbs
