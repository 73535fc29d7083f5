#include "app/MainLayout.h"
#include "bookmarks/Bulbs.h"

#include <QTest>

using namespace Bulbs;

namespace {

SlotCounts countsOf(const MainLayout& l) {
    return {l.topCount, l.sideCount, l.rightEnd, l.bottomEnd, l.slotCount};
}

MainLayout realLayout() {
    LayoutInput in;
    in.innerWidth = 1024;
    in.innerHeight = 768;
    in.screenHeightPx = 800;
    return ComputeMainLayout(in);
}

} // namespace

class TestBulbs : public QObject {
    Q_OBJECT
private slots:
    void slotsRunClockwiseFromTheTopLeft() {
        // A 640x400 pane.
        const SlotCounts c{40, 25, 65, 105, 130};
        const struct {
            int slot, side;
            QPoint cell;
        } cases[] = {
            {1, 0, {0, 0}},    {40, 0, {624, 0}}, {41, 1, {0, 0}},    {65, 1, {0, 384}},
            {66, 2, {624, 0}}, {105, 2, {0, 0}},  {106, 3, {0, 384}}, {130, 3, {0, 0}},
        };
        for (const auto& t : cases) {
            QCOMPARE(BulbSide(t.slot, c), t.side);
            QCOMPARE(BulbPosition(t.side, t.slot, c), t.cell);
        }
    }

    void pointsFindTheSlotTheyLieOn() {
        const MainLayout l = realLayout();
        const SlotCounts c = countsOf(l);
        QVERIFY(c.SlotCount > 100);
        for (int slot = 1; slot <= c.SlotCount; ++slot) {
            const int side = BulbSide(slot, c);
            const QPoint cell = BulbPosition(side, slot, c);
            QVERIFY(QRect(QPoint(0, 0), l.regionBulbs[side].size()).contains(QRect(cell, QSize(16, 16))));
            for (double d : {0.0, 7.5, 15.0, 15.49})
                QCOMPARE(RegionXYToBulbIndex(side, cell.x() + d, cell.y() + d, c), slot);
        }
    }

    void stripsMeetWhereTheCountsSay() {
        const MainLayout l = realLayout();
        const SlotCounts c = countsOf(l);
        const int across = c.TopCount * 16 - 1, down = c.SideCount * 16 - 1;
        QCOMPARE(BulbSide(c.TopCount, c), 0);
        QCOMPARE(BulbSide(c.TopCount + 1, c), 1);
        QCOMPARE(BulbSide(c.RightEnd, c), 1);
        QCOMPARE(BulbSide(c.RightEnd + 1, c), 2);
        QCOMPARE(BulbSide(c.BottomEnd, c), 2);
        QCOMPARE(BulbSide(c.BottomEnd + 1, c), 3);
        QCOMPARE(BulbSide(c.SlotCount, c), 3);
        QCOMPARE(RegionXYToBulbIndex(0, across, 8, c), c.TopCount);
        QCOMPARE(RegionXYToBulbIndex(1, 8, 0, c), c.TopCount + 1);
        QCOMPARE(RegionXYToBulbIndex(1, 8, down, c), c.RightEnd);
        QCOMPARE(RegionXYToBulbIndex(2, across, 8, c), c.RightEnd + 1);
        QCOMPARE(RegionXYToBulbIndex(2, 0, 8, c), c.BottomEnd);
        QCOMPARE(RegionXYToBulbIndex(3, 8, down, c), c.BottomEnd + 1);
        QCOMPARE(RegionXYToBulbIndex(3, 8, 0, c), c.SlotCount);
    }

    void pointsRoundHalvesToEvenAndOffTheStripFindNothing() {
        const SlotCounts c{40, 25, 65, 105, 130};
        QCOMPARE(RegionXYToBulbIndex(0, 14.5, 0, c), 1); // 14
        QCOMPARE(RegionXYToBulbIndex(0, 15.5, 0, c), 2); // 16
        QCOMPARE(RegionXYToBulbIndex(0, 16.5, 0, c), 2); // 16
        QCOMPARE(RegionXYToBulbIndex(0, -0.5, 0, c), 1); // rounds to 0
        QCOMPARE(RegionXYToBulbIndex(0, -0.6, 0, c), 0);
        QCOMPARE(RegionXYToBulbIndex(0, -20, 0, c), 0);
        QCOMPARE(RegionXYToBulbIndex(0, 638.5, 0, c), 40); // 638
        QCOMPARE(RegionXYToBulbIndex(0, 639.5, 0, c), 0);  // 640, past the end
        QCOMPARE(RegionXYToBulbIndex(1, 0, 400, c), 0);
        QCOMPARE(RegionXYToBulbIndex(1, 0, -3, c), 0);
        QCOMPARE(RegionXYToBulbIndex(2, 640, 0, c), 0);
        QCOMPARE(RegionXYToBulbIndex(2, -1, 0, c), 0);
        QCOMPARE(RegionXYToBulbIndex(3, 0, 400, c), 0);
        QCOMPARE(RegionXYToBulbIndex(3, 0, -1, c), 0);
        QCOMPARE(RegionXYToBulbIndex(4, 0, 0, c), 0);
        QCOMPARE(RegionXYToBulbIndex(-1, 0, 0, c), 0);
    }

    void framesStayInsideTheStrip() {
        QCOMPARE(BulbFrame(1, 0, 1), 0);
        QCOMPARE(BulbFrame(2, 1, 2), 11);
        QCOMPARE(BulbFrame(5, 3, 2), 39);
        QCOMPARE(BulbFrame(0, 0, 0), 0);
        QCOMPARE(BulbFrame(9, 7, 5), 39);
        for (int colour = -1; colour <= 7; ++colour)
            for (int side = -1; side <= 5; ++side)
                for (int state = -1; state <= 4; ++state)
                    QVERIFY(BulbFrame(colour, side, state) >= 0 && BulbFrame(colour, side, state) < 40);
    }
};

QTEST_GUILESS_MAIN(TestBulbs)
#include "test_bulbs.moc"
