#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <utility>

// One place on a page's string of light bulbs.
struct BulbRecord {
    bool InUse = false;
    int Colour = 0; // 1 orange, 2 magenta, 3 blue, 4 yellow, 5 red
    int Side = 0;   // 0 top, 1 right, 2 bottom, 3 left
    QString Address;
    QString Title;
    int State = 0; // 1 unlit, 2 lit
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

namespace Bulbs {
int BulbSide(int slot, const SlotCounts& c);
int WrapBulbIndex(int slot, int delta, const SlotCounts& c);
inline int FlipBulbState(int state) {
    return 3 - state;
}
} // namespace Bulbs
