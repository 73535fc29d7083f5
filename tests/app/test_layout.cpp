#include "app/MainLayout.h"

#include <QTest>

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void designWidthSnapsToWholeBulbs() {
        LayoutInput in;
        in.innerWidth = 789;
        in.innerHeight = 560;
        in.screenHeightPx = 600;
        const MainLayout l = ComputeMainLayout(in);
        // 617 grows by 7 to 624; the left edge moves half of that (3) from 73 to 70.
        QCOMPARE(l.paneWidth, 624);
        QCOMPARE(l.paneLeft, 70);
        QCOMPARE(l.paneTop, 22 + 20 + 23 + 16);
        QCOMPARE(l.paneHeight % 16, 0);
        QCOMPARE(l.paneHeight, (560 - l.paneTop - 16) / 16 * 16);
        QCOMPARE(l.editUrl, QRect(70, 23, 624, 22));
        QCOMPARE(l.statusBar, QRect(70, 23 + 22 - 2, 624, 20));
    }

    void smallScreenUsesSmallBoxes() {
        LayoutInput in;
        in.innerWidth = 640;
        in.innerHeight = 480 - 20;
        in.screenHeightPx = 480;
        const MainLayout l = ComputeMainLayout(in);
        QVERIFY(l.smallScreen);
        QCOMPARE(l.editUrlHeight, 18);
        QCOMPARE(l.statusBarHeight, 18);
        QCOMPARE(l.fontPointSize, 8);
        QCOMPARE(l.paneTop, 18 + 18 + 23 + 16);

        in.screenHeightPx = 481;
        QVERIFY(!ComputeMainLayout(in).smallScreen);
    }

    void stripsSnowAndCornersSurroundThePane() {
        LayoutInput in;
        in.innerWidth = 1280;
        in.innerHeight = 770;
        in.screenHeightPx = 800;
        const MainLayout l = ComputeMainLayout(in);
        const int L = l.paneLeft, T = l.paneTop, W = l.paneWidth, H = l.paneHeight;
        QCOMPARE(l.regionBulbs[0], QRect(L, T - 16, W, 16));
        QCOMPARE(l.regionBulbs[1], QRect(L + W, T, 16, H));
        QCOMPARE(l.regionBulbs[2], QRect(L, T + H, W, 16));
        QCOMPARE(l.regionBulbs[3], QRect(L - 16, T, 16, H));
        QCOMPARE(l.slotCount, 2 * (W / 16 + H / 16));
        QCOMPARE(l.bottomEnd, l.rightEnd + l.topCount);
        QCOMPARE(l.snowLeftWidth, L - 16);
        QCOMPARE(l.snowRightStart + l.snowRightWidth, 1280);
        QCOMPARE(l.snowSpan, l.snowLeftWidth + l.snowRightWidth);
        QCOMPARE(l.goBack, QPoint(L - 32, T - 26));
        QCOMPARE(l.stop, QPoint(L + W, T + H));
        QCOMPARE(l.reload, QPoint(L - 16, T + H));
        QCOMPARE(l.desktop, QRect(0, 21, 1280, 770 - 21));
    }

    void paneAlwaysHoldsWholeBulbs() {
        for (int w = 320; w <= 2600; w += 37) {
            for (int h = 200; h <= 1600; h += 53) {
                LayoutInput in;
                in.innerWidth = w;
                in.innerHeight = h;
                in.screenHeightPx = h + 30;
                const MainLayout l = ComputeMainLayout(in);
                QVERIFY2(l.paneWidth % 16 == 0 && l.paneHeight % 16 == 0,
                         qPrintable(QStringLiteral("%1x%2").arg(w).arg(h)));
                QVERIFY(l.paneTop + l.paneHeight + 16 <= h);
                QVERIFY(l.paneLeft >= 16); // room for the left strip
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
