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
        QCOMPARE(l.paneTop, 81);     // 22 + 20 + 23 + 16
        QCOMPARE(l.paneHeight, 448); // 560 - 81 - 16 = 463, less 463 mod 16
        QCOMPARE(l.editUrl, QRect(70, 23, 624, 22));
        QCOMPARE(l.statusBar, QRect(70, 43, 624, 20));
        QCOMPARE(l.regionBulbs[0], QRect(70, 65, 624, 16));
        QCOMPARE(l.regionBulbs[1], QRect(694, 81, 16, 448));
        QCOMPARE(l.regionBulbs[2], QRect(70, 529, 624, 16));
        QCOMPARE(l.regionBulbs[3], QRect(54, 81, 16, 448));
        QCOMPARE(l.topCount, 39);
        QCOMPARE(l.sideCount, 28);
        QCOMPARE(l.rightEnd, 67);
        QCOMPARE(l.bottomEnd, 106);
        QCOMPARE(l.slotCount, 134);
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

    void aScreenOf1024By768() {
        LayoutInput in;
        in.innerWidth = 1024;
        in.innerHeight = 740; // below the menu bar
        in.screenHeightPx = 768;
        const MainLayout l = ComputeMainLayout(in);
        // 1024 * 73 / 789 = 94.7 and 1024 * 617 / 789 = 800.8: already whole bulbs wide.
        QCOMPARE(l.pane(), QRect(94, 81, 800, 640)); // 740 - 81 - 16 = 643, less 3
        QCOMPARE(l.desktop, QRect(0, 21, 1024, 719));
        QCOMPARE(l.regionBulbs[0], QRect(94, 65, 800, 16));
        QCOMPARE(l.regionBulbs[1], QRect(894, 81, 16, 640));
        QCOMPARE(l.regionBulbs[2], QRect(94, 721, 800, 16));
        QCOMPARE(l.regionBulbs[3], QRect(78, 81, 16, 640));
        QCOMPARE(l.topCount, 50);
        QCOMPARE(l.sideCount, 40);
        QCOMPARE(l.rightEnd, 90);
        QCOMPARE(l.bottomEnd, 140);
        QCOMPARE(l.slotCount, 180);
        QCOMPARE(l.snowLeftWidth, 78);
        QCOMPARE(l.snowRightStart, 910);
        QCOMPARE(l.snowRightWidth, 114);
        QCOMPARE(l.snowSpan, 192);
        QCOMPARE(l.goBack, QPoint(62, 55));
        QCOMPARE(l.goForward, QPoint(894, 55));
        QCOMPARE(l.stop, QPoint(894, 721));
        QCOMPARE(l.reload, QPoint(78, 721));
        QCOMPARE(l.radio, QPoint(2, 23));
        QVERIFY(!l.smallScreen);
    }

    void everyControlFitsInsideTheWindow_data() {
        QTest::addColumn<QSize>("inner");
        for (const QSize& size : {QSize(800, 600 - 30), QSize(900, 600 - 30), QSize(1024, 768 - 30),
                                  QSize(1280, 800 - 30), QSize(1920, 1080 - 30), QSize(640, 400 - 30)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()))) << size;
    }
    void everyControlFitsInsideTheWindow() {
        QFETCH(QSize, inner);
        LayoutInput in;
        in.innerWidth = inner.width();
        in.innerHeight = inner.height();
        in.screenHeightPx = inner.height() + 30;
        const MainLayout l = ComputeMainLayout(in);
        const QRect window(QPoint(0, 0), inner);
        for (const QRect& r : {l.editUrl, l.statusBar, l.regionBulbs[0], l.regionBulbs[1], l.regionBulbs[2],
                               l.regionBulbs[3], l.pane(), l.tabMain})
            QVERIFY2(window.contains(r),
                     qPrintable(
                         QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
        // The corner images are 16 pixels square, above and below the strips.
        for (const QPoint& corner : {l.goBack, l.goForward, l.stop, l.reload})
            QVERIFY(window.contains(QRect(corner, QSize(16, 16))));
        QVERIFY(l.snowLeftWidth > 0 && l.snowRightWidth > 0);
        QCOMPARE(l.slotCount, 2 * (l.paneWidth / 16 + l.paneHeight / 16));
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
