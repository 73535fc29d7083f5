#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVector>
#include <utility>

enum BulbState { BulbUnlit = 1, BulbLit = 2 };

// One place on a page's string of light bulbs.
struct BulbRecord {
    bool InUse = false;
    int Colour = 0; // 1 orange, 2 magenta, 3 blue, 4 yellow, 5 red
    int Side = 0;   // 0 top, 1 right, 2 bottom, 3 left
    QString Address;
    QString Title;
    int State = 0; // BulbUnlit or BulbLit
    int Flags = 0;
    QString TargetFrame;
    QByteArray PostData;
    QString Headers;
};

// The slot counts of the string, fixed by the layout.
struct SlotCounts {
    int TopCount = 0, SideCount = 0, RightEnd = 0, BottomEnd = 0, SlotCount = 0;
};

// Navigations that have started and not completed: address -> bulb slot, in the order they began.
class PendingBulbs {
public:
    // False (and nothing changes) when the address is pending already.
    bool Add(const QString& address, int slot);
    // The slot of a pending address, removed from the list; 0 when not pending.
    int Take(const QString& address);
    int Count() const { return int(items_.size()); }
    int SlotAt(int index) const { return items_[index].second; } // 0-based
    void RemoveAt(int index) { items_.remove(index); }
    bool Contains(const QString& address) const;

private:
    QVector<std::pair<QString, int>> items_;
};

// One page's string: its slots (1..SlotCount, element 0 unused), the newest bulb, and the bulbs
// whose navigation has not completed.
struct PageString {
    QVector<BulbRecord> BulbSlots;
    int LastBulb = 0;
    PendingBulbs Pending;
};

namespace Bulbs {
int BulbSide(int slot, const SlotCounts& c);
int WrapBulbIndex(int slot, int delta, const SlotCounts& c);
inline int FlipBulbState(int state) {
    return state == BulbLit ? BulbUnlit : BulbLit;
}

// The top-left of a slot's 16x16 cell inside its strip. The string runs clockwise from the top-left:
// the top strip left to right, the right one downwards, the bottom one right to left, the left one upwards.
QPoint BulbPosition(int side, int slot, const SlotCounts& c);
// The slot under a point given in the strip's own coordinates; 0 when the point is off the strip.
int RegionXYToBulbIndex(int side, double x, double y, const SlotCounts& c);
// The frame of the bulb strip picture for a colour (1..5), side (0..3) and state (1 unlit, 2 lit).
int BulbFrame(int colour, int side, int state);
} // namespace Bulbs
