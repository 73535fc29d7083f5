#include "app/MainLayout.h"
#include "lights/BulbPainter.h"
#include "lights/Bulbs.h"

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

// A made-up light string around a 64x48 pane: 4 bulbs across, 3 down, 14 in all.
const SlotCounts kSmall{4, 3, 7, 11, 14};
const QRect kStrips[4] = {{40, 24, 64, 16}, {104, 40, 16, 48}, {40, 88, 64, 16}, {24, 40, 16, 48}};

QRgb frameColour(int frame) {
    return qRgb(10 + frame * 5, 250 - frame * 5, 128);
}

// Every frame a colour of its own; the mask is black (bulb) on the left half of each cell.
void makeArt(qreal dpr, QImage& colours, QImage& mask) {
    const int cell = int(16 * dpr);
    colours = QImage(40 * cell, cell, QImage::Format_RGB32);
    mask = QImage(40 * cell, cell, QImage::Format_RGB32);
    for (int y = 0; y < cell; ++y) {
        for (int x = 0; x < 40 * cell; ++x) {
            colours.setPixel(x, y, frameColour(x / cell));
            mask.setPixel(x, y, x % cell < cell / 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    colours.setDevicePixelRatio(dpr);
    mask.setDevicePixelRatio(dpr);
}

QImage patterned(QSize logical, qreal dpr) {
    QImage image(logical * dpr, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 7 * 30));
    image.setDevicePixelRatio(dpr);
    return image;
}

BulbRecord lit(int colour) {
    BulbRecord b;
    b.InUse = true;
    b.Colour = colour;
    b.State = 2;
    return b;
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

    void bulbShowsThroughItsMaskOntoTheSavedBackground_data() {
        QTest::addColumn<qreal>("pictureDpr");
        QTest::addColumn<qreal>("artDpr");
        QTest::newRow("1x") << 1.0 << 1.0;
        QTest::newRow("2x") << 2.0 << 2.0;
        QTest::newRow("2x picture, 1x art") << 2.0 << 1.0;
    }

    void bulbShowsThroughItsMaskOntoTheSavedBackground() {
        QFETCH(qreal, pictureDpr);
        QFETCH(qreal, artDpr);
        QImage colours, mask;
        makeArt(artDpr, colours, mask);
        const QImage original = patterned(QSize(160, 120), pictureDpr);
        QImage picture = original;
        QVector<QRect> repainted;
        BulbPainter painter(
            picture, [&](const QRect& r) { repainted.append(r); }, kStrips, kSmall, colours, mask);
        painter.CaptureStripBackgrounds();

        // Slot 9 is the second from the right on the bottom strip.
        const QRect cell(40 + 32, 88, 16, 16);
        QCOMPARE(painter.CellRect(9), cell);
        painter.DrawBulb(9, lit(3));
        QCOMPARE(repainted, QVector<QRect>{cell});

        const int d = int(pictureDpr);
        const QRect device(cell.topLeft() * d, cell.size() * d);
        const QRgb bulb = frameColour(BulbFrame(3, 2, 2));
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool onBulb = device.contains(x, y) && x - device.left() < 8 * d;
                QCOMPARE(picture.pixel(x, y), onBulb ? bulb : original.pixel(x, y));
            }
        }

        repainted.clear();
        painter.DrawBulb(9, BulbRecord());
        QCOMPARE(picture, original);
        QCOMPARE(repainted, QVector<QRect>{cell});
    }

    void wholeStringDrawsAndClears() {
        QImage colours, mask;
        makeArt(1, colours, mask);
        const QImage original = patterned(QSize(160, 120), 1);
        QImage picture = original;
        QVector<QRect> repainted;
        BulbPainter painter(
            picture, [&](const QRect& r) { repainted.append(r); }, kStrips, kSmall, colours, mask);
        painter.CaptureStripBackgrounds();

        QVector<BulbRecord> bulbs(kSmall.SlotCount + 1);
        bulbs[1] = lit(1);
        bulbs[5] = lit(2);
        bulbs[14] = lit(5);
        bulbs[14].State = 1;
        painter.DrawAll(bulbs);
        QCOMPARE(repainted, QVector<QRect>(std::begin(kStrips), std::end(kStrips)));
        for (int slot = 1; slot <= kSmall.SlotCount; ++slot) {
            const QPoint probe = painter.CellRect(slot).topLeft() + QPoint(2, 2);
            const QRgb expected =
                bulbs[slot].InUse
                    ? frameColour(BulbFrame(bulbs[slot].Colour, BulbSide(slot, kSmall), bulbs[slot].State))
                    : original.pixel(probe);
            QCOMPARE(picture.pixel(probe), expected);
        }

        // A shorter list leaves the slots past its end empty.
        painter.DrawAll(QVector<BulbRecord>(3));
        QCOMPARE(picture, original);

        painter.DrawAll(bulbs);
        repainted.clear();
        painter.RestoreStripBackgrounds();
        QCOMPARE(picture, original);
        QCOMPARE(repainted.size(), 4);
    }

    void missingArtLeavesTheBackground() {
        const QImage original = patterned(QSize(160, 120), 1);
        QImage picture = original;
        BulbPainter painter(picture, {}, kStrips, kSmall, QImage(), QImage());
        painter.CaptureStripBackgrounds();
        painter.DrawBulb(3, lit(2));
        painter.DrawBulb(0, lit(2));
        painter.DrawBulb(kSmall.SlotCount + 1, lit(2));
        QCOMPARE(picture, original);
    }
};

QTEST_GUILESS_MAIN(TestBulbs)
#include "test_bulbs.moc"
