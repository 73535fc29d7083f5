#include "FakePages.h"
#include "browse/PageEvents.h"
#include "lights/LightString.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>

// The pages' bulb strings and the flasher, on the pages alone.
class TestLightString : public QObject {
    Q_OBJECT

    struct Lights : FakePages {
        Lights()
            : lights(*pages) {
            lights.Place(counts());
            start();
        }
        static SlotCounts counts() {
            const int top = FakePages::kPane.width() / 16, side = FakePages::kPane.height() / 16;
            return {top, side, top + side, 2 * top + side, FakePages::kBulbSlots};
        }
        void navigate(int slot, const QString& address) {
            page(slot)->busy = true;
            lights.AddBulb(slot, address, 0, QString(), QByteArray(), QString());
            lights.PageBusy(slot);
        }
        LightString lights;
    };

private slots:
    void everyNavigationHangsABulbAndTheStringWraps() {
        Lights l;
        const int total = FakePages::kBulbSlots;
        QCOMPARE(total, 130);
        for (int i = 0; i <= total; ++i) // the 131st navigation
            l.navigate(1, QStringLiteral("http://n%1.example/").arg(i));
        const PageString& record = *l.lights.StringOf(1);
        QCOMPARE(record.LastBulb, 1); // the string was full: the newest bulb replaced the oldest
        QCOMPARE(record.BulbSlots[1].Address, QStringLiteral("http://n%1.example/").arg(total));
        QCOMPARE(record.BulbSlots[total].Side, 3);
        for (int slot = 1; slot <= total; ++slot) {
            const BulbRecord& bulb = record.BulbSlots[slot];
            QVERIFY(bulb.InUse && bulb.Colour >= 1 && bulb.Colour <= 5 && bulb.State == 2);
        }
    }

    void pendingBulbsBlinkAndSettleWhenThePageStops() {
        Lights l;
        QSignalSpy settled(&l.lights, &LightString::currentPageSettled);
        l.navigate(1, QStringLiteral("http://same.example/"));
        l.navigate(1, QStringLiteral("http://same.example/")); // not pending: lit, steady
        QVERIFY(l.lights.Flasher()->isActive());
        const PageString& record = *l.lights.StringOf(1);
        l.lights.TimerBulbFlasher_Timer();
        QCOMPARE(record.BulbSlots[1].State, 1);
        QCOMPARE(record.BulbSlots[2].State, 2);
        l.lights.MarkBulbLoaded(1, QStringLiteral("http://elsewhere.example/")); // not pending: nothing
        QCOMPARE(record.BulbSlots[1].State, 1);
        l.page(1)->busy = false;
        l.lights.TimerBulbFlasher_Timer();
        QCOMPARE(record.BulbSlots[1].State, 2);
        QCOMPARE(record.Pending.Count(), 0);
        QVERIFY(!l.lights.Flasher()->isActive());
        QCOMPARE(settled.size(), 1);
    }

    void eachPageKeepsItsOwnStringUntilItCloses() {
        Lights l;
        PageEvents events(*l.pages); // follows the pages made from now on
        l.lights.Follow(events);
        l.pages->OpenInNewBrowser(QStringLiteral("http://one.example/"));
        l.pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        l.page(2)->Begin(QStringLiteral("http://one.example/"));
        l.page(3)->Begin(QStringLiteral("http://two.example/a"));
        l.page(3)->Begin(QStringLiteral("http://two.example/b"));
        l.page(3)->Title(QStringLiteral("Two B")); // names the newest bulb only
        QCOMPARE(l.lights.StringOf(2)->LastBulb, 1);
        QCOMPARE(l.lights.StringOf(2)->BulbSlots[1].Address, QStringLiteral("http://one.example/"));
        const PageString& two = *l.lights.StringOf(3);
        QCOMPARE(two.LastBulb, 2);
        QCOMPARE(two.BulbSlots[1].Title, QString());
        QCOMPARE(two.BulbSlots[2].Title, QStringLiteral("Two B"));
        l.page(3)->Commit(QStringLiteral("http://two.example/a"));
        QVERIFY(!two.Pending.Contains(QStringLiteral("http://two.example/a")));
        QVERIFY(two.Pending.Contains(QStringLiteral("http://two.example/b")));

        // A closed page's string goes with it; the slot's next page starts with an empty string.
        l.pages->CloseCurrentPage();
        QVERIFY(!l.lights.StringOf(3));
        l.pages->OpenInNewBrowser(QStringLiteral("http://three.example/"));
        QCOMPARE(l.pages->CurBrowser(), 3);
        const PageString* three = l.lights.StringOf(3);
        QVERIFY(three && three->LastBulb == 0 && three->Pending.Count() == 0);
        QCOMPARE(three->BulbSlots.size(), FakePages::kBulbSlots + 1);
        QVERIFY(std::none_of(three->BulbSlots.begin(), three->BulbSlots.end(),
                             [](const BulbRecord& bulb) { return bulb.InUse; }));
        QCOMPARE(l.lights.StringOf(2)->LastBulb, 1); // the other page's string is untouched
    }

    void theFlasherRunsOnlyForTheCurrentPageWhileItIsBusy() {
        Lights l;
        l.pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        l.navigate(1, QStringLiteral("http://one.example/")); // in the background
        QVERIFY(!l.lights.Flasher()->isActive());
        // A background page keeps its pending bulb as it is until it is shown.
        l.pages->SelectTab(3);
        QVERIFY(l.lights.Flasher()->isActive());
        l.page(2)->busy = false;
        l.pages->SelectTab(4);
        QVERIFY(!l.lights.Flasher()->isActive());
        l.pages->SelectTab(3);
        QVERIFY(l.lights.Flasher()->isActive());
        l.pages->CloseCurrentPage();
        QVERIFY(!l.lights.Flasher()->isActive());
    }
};

QTEST_MAIN(TestLightString)
#include "test_light_string.moc"
