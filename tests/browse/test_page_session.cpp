// The pages kept for the next start: the file, the delayed writer, restoring with only the page in
// front loading, the addresses of the command line, and the pages closed last.
#include "FakeBrowser.h"
#include "FakePages.h"
#include "app/WindowProbe.h"
#include "browse/AutoSaver.h"
#include "browse/HistoryStore.h"
#include "browse/PageEvents.h"
#include "browse/PageSession.h"
#include "browse/SessionFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

namespace {
SavedPage saved(const char* address, const char* title, QByteArray history = {}) {
    return {QString::fromLatin1(address), QString::fromLatin1(title), history};
}
} // namespace

class TestPageSession : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("session.json")); }

    // The pages beside a session read from the file as it is now.
    struct Run {
        explicit Run(const QString& file)
            : events(*fake.pages)
            , session(*fake.pages, events, file) {
            fake.start(); // the page start-up opens
        }
        FakeBrowser* page(int slot) const { return fake.page(slot); }
        QString caption(int position) const { return fake.tabs->tabText(position - 1); }
        FakePages fake;
        PageEvents events;
        PageSession session;
    };

private slots:
    void init() { QFile::remove(file()); }

    void theFileKeepsPagesAndRefusesWhatIsNoSession() {
        Session session;
        session.pages = {saved("http://a.example/", "A & Co", "\x01\x02 list"),
                         saved("file:///tmp/b.html", "")};
        session.current = 1;
        QVERIFY(SessionFile::Write(file(), session));
        const std::optional<Session> read = SessionFile::Read(file());
        QVERIFY(read);
        QCOMPARE(read->pages, session.pages);
        QCOMPARE(read->current, 1);

        auto writeRaw = [this](const QByteArray& bytes) {
            QFile raw(file());
            QVERIFY(raw.open(QIODevice::WriteOnly | QIODevice::Truncate));
            raw.write(bytes);
        };
        for (const QByteArray& bad : {QByteArray(), QByteArray("{\"pages\": [{\"addr"), QByteArray("[1, 2]"),
                                      QByteArray("{\"version\":1,\"current\":0,\"pages\":[]}")}) {
            writeRaw(bad);
            QVERIFY2(!SessionFile::Read(file()), bad.constData());
        }
        // Pages without an address drop out; the page in front is counted among the rest, and one
        // that is not there falls back to the first.
        writeRaw("{\"current\":2,\"pages\":[{\"address\":\"\"},{\"address\":\"http://a/\"},"
                 "{\"address\":\"http://b/\"}]}");
        QCOMPARE(SessionFile::Read(file())->pages.size(), 2);
        QCOMPARE(SessionFile::Read(file())->current, 1);
        writeRaw("{\"current\":7,\"pages\":[{\"address\":\"http://a/\",\"history\":\"!!not base64\"}]}");
        QCOMPARE(SessionFile::Read(file())->current, 0);
        QVERIFY(!SessionFile::Write(dir.filePath(QStringLiteral("missing/session.json")), session));
    }

    void aWriteThatDoesNotFitLeavesTheLastGoodCopy() {
        Session small;
        small.pages = {saved("http://kept.example/", "Kept")};
        QVERIFY(SessionFile::Write(file(), small));
        Session big;
        for (int n = 0; n < 80; ++n) // more than the limit, less than the file's buffer
            big.pages.append(saved("http://page.example/", "A page with a long title to fill the file"));
        // A disk that takes only a few kilobytes more: the write fails, and says so.
        struct rlimit before = {};
        getrlimit(RLIMIT_FSIZE, &before);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tight = before;
        tight.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &tight);
        const bool written = SessionFile::Write(file(), big);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(SessionFile::Read(file())->pages, small.pages);
    }

    void restoredPagesComeBackInOrderAndOnlyTheFrontOneLoads() {
        Session kept;
        kept.pages = {saved("http://one.example/", "One"),
                      saved("http://two.example/", "Two", "list:http://two.example/"),
                      saved("http://three.example/", "")};
        kept.current = 1;
        QVERIFY(SessionFile::Write(file(), kept));
        Run run(file());
        run.session.OpenAtStart(true, QStringLiteral("http://start.example/"), {});

        QCOMPARE(run.fake.pages->BrowserCount(), 3);
        QCOMPARE(run.caption(3), QStringLiteral("One"));
        QCOMPARE(run.caption(4), QStringLiteral("Two"));
        QCOMPARE(run.caption(5), QStringLiteral("http://three.example/")); // no title: its address
        QCOMPARE(run.fake.pages->CurBrowser(), 2);
        QCOMPARE(run.fake.tabs->currentIndex(), 3);
        // The page in front comes back with its back/forward list; the others wait.
        QCOMPARE(run.page(2)->restoredLists, QStringList{"http://two.example/"});
        QVERIFY(run.page(1)->navigations.isEmpty() && run.page(3)->navigations.isEmpty());
        QVERIFY(run.session.Waiting(1) && !run.session.Waiting(2));
        // A restart now loses nothing of the pages that never loaded.
        // The one in front is kept as where it is going, with its list, until it arrives.
        const Session now = run.session.Current();
        QCOMPARE(now.pages, kept.pages);
        QCOMPARE(now.current, 1);

        // Shown for the first time: it loads, once, with its address in the box.
        run.fake.tabs->setCurrentIndex(4);
        QCOMPARE(run.page(3)->navigations, QStringList{"http://three.example/"});
        QCOMPARE(run.events.Shown(3)->AddressText, QStringLiteral("http://three.example/"));
        run.fake.tabs->setCurrentIndex(2);
        run.fake.tabs->setCurrentIndex(4);
        QCOMPARE(run.page(3)->navigations.size(), 1);

        // A new page is kept by where it goes, never by what is typed in its box meanwhile.
        run.fake.pages->OpenInNewBrowser(QStringLiteral("http://going.example/"));
        const int fresh = run.fake.pages->CurBrowser();
        QVERIFY(run.session.Keep(fresh).address.isEmpty());
        run.page(fresh)->Begin(QStringLiteral("http://going.example/"));
        run.events.KeepAddressBox(fresh, QStringLiteral("half typed words"), 0, 0);
        QCOMPARE(run.session.Keep(fresh).address, QStringLiteral("http://going.example/"));
        run.page(fresh)->Commit(QStringLiteral("http://arrived.example/"));
        QCOMPARE(run.session.Keep(fresh).address, QStringLiteral("http://arrived.example/"));
    }

    void theStartPageOrTheCommandLinesAddresses() {
        Session kept;
        kept.pages = {saved("http://kept.example/", "Kept")};
        QVERIFY(SessionFile::Write(file(), kept));
        {
            // Restore off: the start page, the kept pages stay in the file untouched until a change.
            Run run(file());
            run.session.OpenAtStart(false, QStringLiteral("http://start.example/"), {});
            QCOMPARE(run.fake.pages->BrowserCount(), 1);
            QCOMPARE(run.page(1)->navigations, QStringList{"http://start.example/"});
        }
        {
            Run run(file());
            run.session.OpenAtStart(
                false, QStringLiteral("http://start.example/"),
                {QStringLiteral("http://a.example/"), QStringLiteral("http://b.example/")});
            QCOMPARE(run.page(1)->navigations, QStringList{"http://a.example/"});
            QCOMPARE(run.page(2)->navigations, QStringList{"http://b.example/"});
            QCOMPARE(run.fake.pages->CurBrowser(), 2);
        }
        {
            // Restore on: the kept pages, then the addresses beside them, the last in front.
            QVERIFY(SessionFile::Write(file(), kept));
            Run run(file());
            run.session.OpenAtStart(true, QStringLiteral("http://start.example/"),
                                    {QStringLiteral("http://a.example/")});
            QCOMPARE(run.fake.pages->BrowserCount(), 2);
            QCOMPARE(run.caption(3), QStringLiteral("Kept"));
            QCOMPARE(run.page(2)->navigations, QStringList{"http://a.example/"});
            QCOMPARE(run.fake.pages->CurBrowser(), 2);
        }
        // Nothing kept: restore on shows the start page.
        QFile::remove(file());
        Run run(file());
        run.session.OpenAtStart(true, QStringLiteral("http://start.example/"), {});
        QCOMPARE(run.page(1)->navigations, QStringList{"http://start.example/"});
    }

    void changesAreWrittenSoonAndNeverBeforeStartUpIsDone() {
        Session kept;
        kept.pages = {saved("http://kept.example/", "Kept")};
        QVERIFY(SessionFile::Write(file(), kept));
        Run run(file());
        // Start-up's own first page must not overwrite what it is about to read.
        run.page(1)->Title(QStringLiteral("Blank"));
        QVERIFY(!run.session.Saver().Pending());
        QCOMPARE(SessionFile::Read(file())->pages, kept.pages);

        run.session.OpenAtStart(true, QStringLiteral("http://start.example/"), {});
        run.fake.pages->OpenInNewBrowser(QStringLiteral("http://new.example/"));
        run.page(2)->Commit(QStringLiteral("http://new.example/"));
        run.page(2)->Title(QStringLiteral("New"));
        QTRY_COMPARE_WITH_TIMEOUT(SessionFile::Read(file())->pages.size(), 2, 10000);
        QCOMPARE(SessionFile::Read(file())->pages.last().title, QStringLiteral("New"));
        QCOMPARE(SessionFile::Read(file())->current, 1);

        // The last write at exit leaves nothing waiting that could later write the released pages
        // (none) over it.
        run.page(2)->Title(QStringLiteral("Newer"));
        QVERIFY(run.session.Saver().Pending());
        run.session.Finish();
        QVERIFY(!run.session.Saver().Pending());
        run.fake.pages->ReleaseAll();
        QCOMPARE(SessionFile::Read(file())->pages.last().title, QStringLiteral("Newer"));
    }

    void theDelayedWriterWritesABurstOnceAndNeverWaitsForever() {
        int writes = 0;
        bool fails = false;
        AutoSaver saver([&] {
            ++writes;
            return !fails;
        });
        for (int i = 0; i < 5; ++i)
            saver.Changed();
        QTRY_COMPARE_WITH_TIMEOUT(writes, 1, 10000);
        QVERIFY(!saver.Pending()); // nothing left that could be written again

        // Changes that never stop are still written.
        QTimer busy;
        QObject::connect(&busy, &QTimer::timeout, &saver, &AutoSaver::Changed);
        busy.start(AutoSaver::kQuietMs / 4);
        QTRY_VERIFY_WITH_TIMEOUT(writes >= 2, 4 * AutoSaver::kLatestMs);
        busy.stop();

        // A failing write is said once, and tried again at the next change.
        fails = true;
        QSignalSpy failed(&saver, &AutoSaver::saveFailed);
        const int before = writes;
        saver.SaveNow();
        saver.Changed();
        saver.SaveNow();
        saver.Changed();
        saver.SaveNow();
        QCOMPARE(writes, before + 2);
        QCOMPARE(failed.size(), 1);
    }

    void closedPagesComeBackNewestFirstTenAtMost() {
        FakeWindow w;
        Browsers& pages = *w.mod->Pages;
        PageSession& session = *w.mod->Session;
        for (int n = 1; n <= 12; ++n) {
            pages.OpenInNewBrowser(QStringLiteral("http://page%1.example/").arg(n));
            FakeBrowser* page = static_cast<FakeBrowser*>(pages.Current());
            page->Commit(QStringLiteral("http://page%1.example/").arg(n));
            page->Title(QStringLiteral("Page %1").arg(n));
            pages.CloseCurrentPage();
        }
        QCOMPARE(session.Closed().Count(), 10);
        QVERIFY(session.ReopenClosed());
        FakeBrowser* back = static_cast<FakeBrowser*>(pages.Current());
        QCOMPARE(back->restoredLists, QStringList{"http://page12.example/"}); // with its back/forward list
        QCOMPARE(pages.Page(pages.CurBrowser()).Title, QStringLiteral("Page 12"));
        for (int n = 11; n >= 3; --n) {
            QVERIFY(session.ReopenClosed());
            QCOMPARE(static_cast<FakeBrowser*>(pages.Current())->restoredLists.value(0),
                     QStringLiteral("http://page%1.example/").arg(n));
        }
        QVERIFY(!session.ReopenClosed());

        // Through the menu's keys; clearing the history of that time forgets closed pages too.
        pages.CloseCurrentPage();
        QCOMPARE(session.Closed().Count(), 1);
        w.mod->Kept->ClearSince(0);
        QCOMPARE(session.Closed().Count(), 0);
    }

    void exitWritesThePagesAsTheyAre() {
        FakeWindow w;
        const QString kept = App().Prefs.Values().SessionFile;
        FakeBrowser* first = static_cast<FakeBrowser*>(w.mod->Pages->Control(1));
        first->Commit(QStringLiteral("http://first.example/"));
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://second.example/"));
        static_cast<FakeBrowser*>(w.mod->Pages->Current())->Commit(QStringLiteral("http://second.example/"));
        w.mod->Pages->SelectTab(3);
        w.form->FileExit();
        const std::optional<Session> written = SessionFile::Read(kept);
        QVERIFY(written);
        QCOMPARE(written->pages.size(), 2);
        QCOMPARE(written->pages[1].address, QStringLiteral("http://second.example/"));
        QCOMPARE(written->current, 0);
    }
};

QTEST_MAIN(TestPageSession)
#include "test_page_session.moc"
