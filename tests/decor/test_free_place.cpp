#include "decor/DropRules.h"

#include <QTest>

// Where a card goes when its own place is taken by the window's controls or is off the surface.
class TestFreePlace : public QObject {
    Q_OBJECT
private slots:
    void aFreePlaceStaysAndATakenOneMovesToTheNearestFreeOne() {
        const QRect area(0, 21, 900, 600);
        const QVector<QRect> avoid{QRect(80, 60, 740, 500), QRect(0, 0, 900, 21)};
        const QSize card(32, 32);
        // Free: unchanged.
        QCOMPARE(NearestFreePlace(QRect(QPoint(10, 300), card), area, avoid), QPoint(10, 300));
        // On the pane, nearer its left edge: just left of it; nearer its right edge: just right.
        QCOMPARE(NearestFreePlace(QRect(QPoint(100, 300), card), area, avoid), QPoint(48, 300));
        QCOMPARE(NearestFreePlace(QRect(QPoint(800, 300), card), area, avoid), QPoint(820, 300));
        // Off the surface: pulled back inside, and still off the pane.
        QCOMPARE(NearestFreePlace(QRect(QPoint(5000, -300), card), area, avoid), QPoint(868, 21));
        const QPoint below = NearestFreePlace(QRect(QPoint(400, 2000), card), area, avoid);
        QCOMPARE(below, QPoint(400, 589)); // the lowest place on the surface
        for (const QRect& a : avoid)
            QVERIFY(!a.intersects(QRect(below, card)));
    }

    void withNoFreePlaceTheItemStaysInside() {
        const QRect area(0, 0, 100, 100);
        const QVector<QRect> avoid{QRect(0, 0, 100, 100)};
        QCOMPARE(NearestFreePlace(QRect(QPoint(500, 500), QSize(32, 32)), area, avoid), QPoint(68, 68));
    }
};

QTEST_GUILESS_MAIN(TestFreePlace)
#include "test_free_place.moc"
