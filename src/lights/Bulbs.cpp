#include "lights/Bulbs.h"

#include <QtGlobal>
#include <cmath>

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

namespace {
constexpr int kCell = 16;
} // namespace

QPoint BulbPosition(int side, int slot, const SlotCounts& c) {
    switch (side) {
    case 0:
        return {(slot - 1) * kCell, 0};
    case 1:
        return {0, (slot - c.TopCount - 1) * kCell};
    case 2:
        return {(c.RightEnd + c.TopCount - slot) * kCell, 0};
    default:
        return {0, (c.BottomEnd + c.SideCount - slot) * kCell};
    }
}

int RegionXYToBulbIndex(int side, double x, double y, const SlotCounts& c) {
    const int along = static_cast<int>(side == 0 || side == 2 ? std::nearbyint(x) : std::nearbyint(y));
    const int length = (side == 0 || side == 2 ? c.TopCount : c.SideCount) * kCell;
    // Past either end the division would name a slot of the neighbouring strip.
    if (along < 0 || along >= length) return 0;
    const int cell = along / kCell;
    switch (side) {
    case 0:
        return cell + 1;
    case 1:
        return c.TopCount + cell + 1;
    case 2:
        return c.RightEnd + c.TopCount - cell;
    case 3:
        return c.BottomEnd + c.SideCount - cell;
    default:
        return 0;
    }
}

int BulbFrame(int colour, int side, int state) {
    return (qBound(1, colour, 5) - 1) * 8 + qBound(0, side, 3) * 2 + qBound(1, state, 2) - 1;
}

} // namespace Bulbs
