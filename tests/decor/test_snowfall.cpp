#include "base/Random.h"
#include "decor/DesktopSurface.h"
#include "decor/Snowfall.h"

#include <QTest>
#include <algorithm>
#include <tuple>

namespace {

// A 640-pixel window: free columns 0..99 and 500..639, a 400-pixel fall.
const SnowArea kArea{100, 500, 240, 400};

QImage flakePicture() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

bool inFreeColumns(double x) {
    // Drawn columns 1..span, jittered by -2..+3.
    return (x >= -1 && x <= kArea.leftWidth + 3) ||
           (x >= kArea.rightStart + 1 - 2 && x <= kArea.rightStart + kArea.span - kArea.leftWidth + 3);
}

bool justAboveTheTop(double y) {
    return y >= -34 && y <= -29;
}

QVector<QRect> sorted(QVector<QRect> rects) {
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        return std::tuple(a.x(), a.y(), a.width(), a.height()) <
               std::tuple(b.x(), b.y(), b.width(), b.height());
    });
    return rects;
}

} // namespace

class TestSnowfall : public QObject {
    Q_OBJECT
private slots:
    void threeFlakesForEveryWhole32Pixels() {
        Snowfall snow(flakePicture());
        for (auto [span, count] : {std::pair{31, 0}, {32, 3}, {63, 3}, {64, 6}, {240, 21}, {0, 0}}) {
            SnowArea area = kArea;
            area.span = span;
            snow.SetArea(area);
            snow.ResizeSnow();
            QCOMPARE(snow.Count(), count);
        }
    }

    void drawnColumnsSkipThePane() {
        Snowfall snow(flakePicture());
        snow.SetArea(kArea);
        QCOMPARE(snow.SnowColumnX(1), 1);
        QCOMPARE(snow.SnowColumnX(kArea.leftWidth), kArea.leftWidth);
        QCOMPARE(snow.SnowColumnX(kArea.leftWidth + 1), kArea.rightStart + 1);
        QCOMPARE(snow.SnowColumnX(kArea.span + 1), 640 + 1);

        SeedRandom(3);
        snow.ResizeSnow();
        for (int round = 0; round < 50; ++round) {
            for (int flake = 1; flake <= snow.Count(); ++flake) {
                snow.PlaceSnowflake(flake);
                const QPointF at = snow.Position(flake);
                QVERIFY2(inFreeColumns(at.x()), qPrintable(QString::number(at.x())));
                QVERIFY(justAboveTheTop(at.y()));
                QCOMPARE(at, QPointF(std::nearbyint(at.x()), std::nearbyint(at.y())));
            }
        }
    }

    void flakesStartAgainOnlyPastTheBottom() {
        Snowfall snow(flakePicture());
        snow.SetArea(kArea);
        snow.ResizeSnow();
        snow.MoveSnowflake(1, QPointF(40, kArea.height - 1));
        snow.Fall(1, -3, 1);
        QCOMPARE(snow.Position(1), QPointF(37, kArea.height)); // exactly at the bottom: still falling
        snow.Fall(1, 2, 0.5);
        QVERIFY(justAboveTheTop(snow.Position(1).y()));
        QVERIFY(inFreeColumns(snow.Position(1).x()));
    }

    void resizingKeepsTheFlakesThatStay() {
        QVector<QRect> repainted;
        Snowfall snow(flakePicture(), [&](const QRect& r) { repainted.append(r); });
        SnowArea wide = kArea;
        wide.span = 320;
        snow.SetArea(wide);
        SeedRandom(11);
        snow.ResizeSnow();
        QCOMPARE(snow.Count(), 30);
        QVector<QPointF> before;
        QVector<QRect> gone;
        for (int flake = 1; flake <= 30; ++flake) {
            before.append(snow.Position(flake));
            QVERIFY(before.last().y() >= 0 && before.last().y() < wide.height);
            if (flake > 21) gone.append(snow.FlakeRect(flake));
        }

        repainted.clear();
        snow.SetArea(kArea); // 21 flakes
        snow.ResizeSnow();
        QCOMPARE(snow.Count(), 21);
        QCOMPARE(sorted(repainted), sorted(gone));
        snow.SetArea(wide);
        snow.ResizeSnow();
        QCOMPARE(snow.Count(), 30);
        for (int flake = 1; flake <= 21; ++flake)
            QCOMPARE(snow.Position(flake), before[flake - 1]);
    }

    void aTickRepaintsOnlyTheFlakesThatMoved() {
        QVector<QRect> repainted;
        Snowfall snow(flakePicture(), [&](const QRect& r) { repainted.append(r); });
        snow.SetArea(kArea);
        SeedRandom(5);
        snow.ResizeSnow();
        int rested = 0;
        for (int tick = 0; tick < 20; ++tick) {
            QVector<QRect> before;
            for (int flake = 1; flake <= snow.Count(); ++flake)
                before.append(snow.FlakeRect(flake));
            repainted.clear();
            snow.Tick();

            QVector<QRect> expected;
            int resting = 0;
            for (int flake = 1; flake <= snow.Count(); ++flake) {
                if (snow.FlakeRect(flake) == before[flake - 1]) {
                    ++resting;
                    continue;
                }
                expected << before[flake - 1] << snow.FlakeRect(flake);
            }
            QVERIFY(resting < snow.Count());
            rested += resting;
            QCOMPARE(sorted(repainted), sorted(expected));
        }
        QVERIFY(rested > 0);
    }

    void flakesLieOverThePictureAndBehindChildren() {
        DesktopSurface surface;
        surface.resize(200, 120);
        QImage tile(10, 10, QImage::Format_RGB32);
        tile.fill(Qt::darkBlue);
        surface.DrawBackground(tile, QRect(0, 0, 200, 120));
        QWidget child(&surface);
        child.setGeometry(30, 30, 10, 10);
        child.setAutoFillBackground(true);
        QPalette palette = child.palette();
        palette.setColor(QPalette::Window, Qt::red);
        child.setPalette(palette);

        auto snow = std::make_unique<Snowfall>(flakePicture());
        snow->SetArea(SnowArea{200, 300, 32, 120});
        snow->ResizeSnow();
        snow->ShowOn(surface);
        for (int flake = 1; flake <= snow->Count(); ++flake)
            snow->MoveSnowflake(flake, QPointF(20.25, 20.5));

        QImage shot = surface.grab().toImage();
        QCOMPARE(shot.pixel(25, 25), QColor(Qt::white).rgb());
        QCOMPARE(shot.pixel(35, 35), QColor(Qt::red).rgb());
        QCOMPARE(shot.pixel(100, 100), QColor(Qt::darkBlue).rgb());

        snow.reset();
        shot = surface.grab().toImage();
        QCOMPARE(shot.pixel(25, 25), QColor(Qt::darkBlue).rgb());
    }
};

QTEST_MAIN(TestSnowfall)
#include "test_snowfall.moc"
