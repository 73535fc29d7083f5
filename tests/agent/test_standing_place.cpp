#include "agent/FreePlace.h"

#include <QRandomGenerator>
#include <QTest>

// Where the character stands by itself, against the rectangles of a maximised window on a
// 1280 × 800 screen and of a small window in the middle of it.
class TestStandingPlace : public QObject {
    Q_OBJECT

    static constexpr QSize kMerlin{128, 128};

    // The window filling the screen: menu bar, tab strip, address box, status bar, the four corner
    // buttons and the music box to keep clear of; the snow columns beside the strips to stand on.
    static FreePlace::Ground maximised() {
        FreePlace::Ground g;
        g.WorkArea = QRect(0, 0, 1280, 800);
        g.Window = g.WorkArea;
        g.Avoid = {QRect(0, 0, 1280, 23),    QRect(0, 23, 1280, 23), QRect(114, 46, 1008, 22),
                   QRect(114, 66, 1008, 20), QRect(82, 92, 32, 32),  QRect(1122, 92, 32, 32),
                   QRect(1122, 774, 32, 26), QRect(98, 774, 32, 26), QRect(2, 48, 32, 32)};
        g.Preferred = {QRect(0, 46, 98, 754), QRect(1138, 46, 142, 754)};
        return g;
    }

    static bool coversAny(const QRect& figure, const QList<QRect>& rects) {
        for (const QRect& r : rects)
            if (figure.intersects(r)) return true;
        return false;
    }

private slots:
    void standsInTheSnowColumnWhereItFits() {
        const FreePlace::Ground g = maximised();
        // The middle of the screen: the nearest place in a column wide enough, the right one.
        QCOMPARE(FreePlace::Choose(g, kMerlin, QPoint(576, 266)), QPoint(1138, 266));
        // The menu bar and the music box: the same column, below the Forward corner.
        QCOMPARE(FreePlace::Choose(g, kMerlin, QPoint(0, 0)), QPoint(1138, 124));
        // A smaller figure fits the left column too and stays off the music box in it.
        const QPoint small = FreePlace::Choose(g, QSize(64, 64), QPoint(0, 0));
        QCOMPARE(small, QPoint(0, 80));
    }

    void keepsClearOfCardsAndDialogs() {
        FreePlace::Ground g = maximised();
        g.Avoid << QRect(1180, 300, 32, 32); // a card in the right column
        const QPoint beside = FreePlace::Choose(g, kMerlin, QPoint(1138, 266));
        QCOMPARE(beside, QPoint(1138, 332)); // below the card is nearer than above it
        // A dialog over the middle of the column: the nearer side of it.
        g.Avoid << QRect(1100, 400, 180, 200);
        const QPoint below = FreePlace::Choose(g, kMerlin, QPoint(1138, 500));
        QVERIFY(!coversAny(QRect(below, kMerlin), g.Avoid));
        QCOMPARE(below, QPoint(1138, 600));
        // A dialog over the whole column: the other column, as much of the figure on it as can be.
        g.Avoid << QRect(900, 120, 380, 600);
        const QPoint across = FreePlace::Choose(g, kMerlin, QPoint(1138, 500));
        QVERIFY(!coversAny(QRect(across, kMerlin), g.Avoid));
        QCOMPARE(across, QPoint(0, 500));
    }

    void neverCoversAControlWhereverItIsSent() {
        const FreePlace::Ground g = maximised();
        QRandomGenerator random(23);
        for (int i = 0; i < 500; ++i) {
            const QPoint wish(random.bounded(-200, 1480), random.bounded(-200, 1000));
            const QRect figure(FreePlace::Choose(g, kMerlin, wish), kMerlin);
            QVERIFY2(!coversAny(figure, g.Avoid),
                     qPrintable(QStringLiteral("at %1,%2").arg(wish.x()).arg(wish.y())));
            QVERIFY(g.Preferred.at(1).contains(figure));
            QVERIFY(FreePlace::IsFree(g, figure));
        }
    }

    void offTheWindowWhenTheColumnsAreTooNarrow() {
        // A 900 × 600 window at (100, 100): its snow columns are 67 and 97 pixels wide.
        FreePlace::Ground g;
        g.WorkArea = QRect(0, 0, 1280, 800);
        g.Window = QRect(100, 100, 900, 600);
        g.Avoid = {QRect(100, 100, 900, 46), QRect(183, 146, 704, 40)};
        g.Preferred = {QRect(100, 146, 67, 554), QRect(903, 146, 97, 554)};
        const QPoint place = FreePlace::Choose(g, kMerlin, QPoint(486, 200));
        QVERIFY(!QRect(place, kMerlin).intersects(g.Window));
        QCOMPARE(place, QPoint(1000, 200)); // the only side with room beside the window
        QVERIFY(FreePlace::IsFree(g, QRect(place, kMerlin)));
        QVERIFY(!FreePlace::IsFree(g, QRect(QPoint(486, 200), kMerlin))); // on the page
    }

    void asMuchOnTheColumnAsItCanBeWhenNothingElseIsLeft() {
        // A 1024-pixel screen filled by the window: the right column is 114 pixels wide, the
        // figure 128. It stands with its right edge on the screen's, covering no control.
        FreePlace::Ground g;
        g.WorkArea = QRect(0, 0, 1024, 768);
        g.Window = g.WorkArea;
        g.Avoid = {QRect(0, 0, 1024, 46), QRect(94, 46, 800, 40), QRect(894, 92, 32, 32),
                   QRect(894, 742, 32, 26)};
        g.Preferred = {QRect(0, 46, 78, 722), QRect(910, 46, 114, 722)};
        const QPoint place = FreePlace::Choose(g, kMerlin, QPoint(448, 256));
        QCOMPARE(place.x(), 1024 - 128);
        QVERIFY(!coversAny(QRect(place, kMerlin), g.Avoid));
        QVERIFY(!FreePlace::IsFree(g, QRect(place, kMerlin))); // on the strip: not a place to stay
    }

    void withoutAWindowTheWishStandsOnTheScreen() {
        FreePlace::Ground g;
        g.WorkArea = QRect(0, 0, 1280, 800);
        QCOMPARE(FreePlace::Choose(g, kMerlin, QPoint(576, 266)), QPoint(576, 266));
        QCOMPARE(FreePlace::Choose(g, kMerlin, QPoint(1250, -40)), QPoint(1152, 0)); // kept on the screen
        // A figure larger than the screen goes to its corner; no work area at all keeps the wish.
        QCOMPARE(FreePlace::Choose(g, QSize(2000, 2000), QPoint(300, 300)), QPoint(0, 0));
        QCOMPARE(FreePlace::Choose({}, kMerlin, QPoint(-5, 7)), QPoint(-5, 7));
        QVERIFY(!FreePlace::IsFree(g, QRect(QPoint(1200, 0), kMerlin))); // half off the screen
    }
};

QTEST_APPLESS_MAIN(TestStandingPlace)
#include "test_standing_place.moc"
