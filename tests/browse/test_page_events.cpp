#include "FakePages.h"
#include "browse/PageBusy.h"
#include "browse/PageEvents.h"

#include <QSignalSpy>
#include <QTest>

// The page-event router on its own pages: what it tells the window, and each page's busy count.
class TestPageEvents : public QObject {
    Q_OBJECT

    struct Router : FakePages {
        Router()
            : events(*pages) {
            // What the character is asked, as the program wires it.
            connect(&events, &PageEvents::thinkRequested, &events,
                    [this](const QString& t) { agent.ThinkAsWritten(t); });
            connect(&events, &PageEvents::speakRequested, &events,
                    [this](const QString& t) { agent.Speak(t); });
            start();
        }
        PageEvents events;
    };

private slots:
    void busyCountRisesAndSettles() {
        PageBusy busy;
        QVERIFY(busy.Begin()); // idle -> busy
        QVERIFY(!busy.Begin());
        QVERIFY(!busy.End());
        QVERIFY(busy.End()); // idle again
        QVERIFY(busy.End()); // a stray end is still idle, and never below zero
        QCOMPARE(busy.Count(), 0);
        QVERIFY(busy.Begin());
        busy.Begin();
        busy.Settle();
        QCOMPARE(busy.Count(), 0);
        QVERIFY(busy.Begin());
    }

    void aNavigationIsBusyUntilEveryDownloadEnds() {
        Router r;
        QSignalSpy busy(&r.events, &PageEvents::pageBusy);
        QSignalSpy idle(&r.events, &PageEvents::pageIdle);
        QSignalSpy started(&r.events, &PageEvents::navigationStarted);
        QSignalSpy address(&r.events, &PageEvents::addressTextChanged);
        FakeBrowser* p = r.page(1);
        p->Begin(QStringLiteral("http://a.example/"));
        p->Begin(QStringLiteral("http://a.example/frame.html"), QStringLiteral("_frame"));
        QCOMPARE(busy.size(), 1);
        QCOMPARE(started.size(), 2);
        QCOMPARE(started[1][1].toString(), QStringLiteral("http://a.example/frame.html"));
        // Only the page itself, not its frame, goes into the address box.
        QCOMPARE(address.size(), 1);
        QCOMPARE(address[0][0].toString(), QStringLiteral("http://a.example/"));
        const PageShown& record = *r.events.Shown(1);
        QVERIFY(record.NavButtons[CornerStop] && !record.NavButtons[CornerReload]);

        p->Commit(QStringLiteral("http://a.example/"));
        QVERIFY(record.NavButtons[CornerReload]);
        QCOMPARE(record.AddressText, QStringLiteral("http://a.example/"));
        p->Finish();
        QCOMPARE(idle.size(), 0);
        emit p->ProgressChange(50, 100); // only a finished download counts
        QCOMPARE(record.Busy.Count(), 1);
        p->Finish();
        QCOMPARE(idle.size(), 1);
        QCOMPARE(idle[0][0].toInt(), 1);
    }

    void cornersOfABackgroundPageWaitForIt() {
        Router r;
        r.pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        QSignalSpy corners(&r.events, &PageEvents::cornerChanged);
        QSignalSpy address(&r.events, &PageEvents::addressTextChanged);
        emit r.page(1)->CommandStateChange(BrowserControl::CommandBack, true);
        r.page(1)->Begin(QStringLiteral("http://one.example/next"));
        r.page(1)->Commit(QStringLiteral("http://one.example/final"));
        QVERIFY(corners.isEmpty());
        QVERIFY(address.isEmpty()); // page two's box is untouched
        QVERIFY(r.events.Shown(1)->NavButtons[CornerBack]);
        // Showing page one applies its four flags and its final address.
        QSignalSpy shown(&r.events, &PageEvents::addressShown);
        r.pages->SelectTab(3);
        QCOMPARE(shown.last()[0].toString(), QStringLiteral("http://one.example/final"));
        QList<QVariantList> last(corners.end() - 4, corners.end());
        QCOMPARE(last,
                 (QList<QVariantList>{
                     {CornerBack, true}, {CornerForward, false}, {CornerStop, true}, {CornerReload, true}}));
        // A list pane hides all four.
        r.pages->SelectTab(1);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(corners[corners.size() - k][1].toBool(), false);
    }

    void captionsAreCutOnlyWhileSeveralPagesAreOpen() {
        Router r;
        QSignalSpy caption(&r.events, &PageEvents::windowCaptionChanged);
        const QString title = QStringLiteral("A very long page title that goes on and on!!!");
        QCOMPARE(title.size(), 45);
        r.page(1)->Title(title);
        QCOMPARE(r.tabs->tabText(2), title);
        QCOMPARE(caption.last()[0].toString(), title + QStringLiteral(" - Glisterwood 99"));
        r.pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        r.page(2)->Title(title);
        QCOMPARE(r.tabs->tabText(3), title.left(30));
        QCOMPARE(r.tabs->tabToolTip(3), title);
        r.page(2)->Title(QString());
        QCOMPARE(caption.last()[0].toString(), QStringLiteral("Glisterwood 99"));
        // A page in the background changes its own tab, not the window caption.
        const int captions = caption.size();
        r.page(1)->Title(QStringLiteral("Background & more"));
        QCOMPARE(r.tabs->tabText(2), QStringLiteral("Background && more"));
        QCOMPARE(caption.size(), captions);
    }

    void statusTextAndThoughtsFollowTheCurrentPage() {
        Router r;
        r.pages->OpenInNewBrowser(QStringLiteral("https://two.example/"));
        QSignalSpy status(&r.events, &PageEvents::statusTextChanged);
        emit r.page(1)->StatusTextChange(QStringLiteral("http://hidden.example/"));
        QVERIFY(status.isEmpty());
        emit r.page(2)->StatusTextChange(QStringLiteral("http://shown.example/"));
        QCOMPARE(status.last(), (QVariantList{QStringLiteral("http://shown.example/"), 0}));
        QCOMPARE(r.events.StatusBarText(), QString()); // a page's own status is not kept
        r.events.SetStatusBarText(QStringLiteral("kept"));
        QCOMPARE(status.last(), (QVariantList{QStringLiteral("kept"), 2}));

        r.page(2)->location = QStringLiteral("HTTPS://two.example/");
        r.page(2)->name = QStringLiteral("Two");
        emit r.page(2)->DocumentComplete(r.page(2)->location);
        QCOMPARE(r.agent.said.last(), QStringLiteral("muse:Loaded secure page: Two."));
        emit r.page(1)->DocumentComplete(QStringLiteral("http://one.example/"));
        QCOMPARE(r.agent.said.last(), QStringLiteral("muse:Loaded secure page: Two."));
        r.page(2)->location = QStringLiteral("http://two.example/");
        emit r.page(2)->DocumentComplete(r.page(2)->location);
        QCOMPARE(r.agent.said.last(), QStringLiteral("muse:Loaded: Two."));
        emit r.page(2)->OnQuit();
        QCOMPARE(r.agent.said.last(), QStringLiteral("speak:On Quit"));
    }

    void aWindowRequestBecomesTheCurrentTab() {
        Router r;
        BrowserControl* target = nullptr;
        emit r.page(1)->NewWindow2(&target);
        QVERIFY(target);
        QCOMPARE(target, r.pages->Current());
        QCOMPARE(r.pages->CurBrowser(), 2);
        QCOMPARE(r.tabs->count(), 4);
        QCOMPARE(target->View()->geometry(), FakePages::kPane);

        // When no page can be made, the request lands in the current page.
        r.factory.fail = true;
        target = nullptr;
        emit r.page(2)->NewWindow2(&target);
        QCOMPARE(target, r.pages->Current());
        QCOMPARE(r.tabs->count(), 4);
    }
};

QTEST_MAIN(TestPageEvents)
#include "test_page_events.moc"
