// The kept history on a temporary folder: visits, titles, completion, search, clearing, and files
// that are damaged or cannot be written.
#include "FakeBrowser.h"
#include "FakePages.h"
#include "browse/HistorySearch.h"
#include "browse/HistoryStore.h"
#include "browse/PageEvents.h"
#include "browse/VisitRecorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {
constexpr qint64 kHour = 60 * 60 * 1000;

QStringList addresses(const QList<HistoryEntry>& entries) {
    QStringList found;
    for (const HistoryEntry& entry : entries)
        found << entry.address;
    return found;
}

// A store whose clock the test moves.
struct ClockedStore {
    explicit ClockedStore(const QString& file)
        : store(file) {
        store.Now = [this] { return now; };
    }
    void visit(const QString& address, const QString& title = {}, qint64 after = 1000) {
        now += after;
        store.AddVisit(address);
        if (!title.isEmpty()) store.SetTitle(address, title);
    }
    qint64 now = 1'700'000'000'000;
    HistoryStore store;
};
} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("history.sqlite")); }

private slots:
    void init() {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(name));
    }

    void visitsAreKeptBetweenRunsAndFoundByWords_data() {
        QTest::addColumn<bool>("wordIndex");
        QTest::newRow("word index") << true;
        QTest::newRow("plain matching") << false;
    }
    void visitsAreKeptBetweenRunsAndFoundByWords() {
        QFETCH(bool, wordIndex);
        {
            ClockedStore kept(file());
            QVERIFY(kept.store.OnDisk());
            if (!wordIndex) kept.store.DropWordIndexForTesting();
            kept.visit(QStringLiteral("https://docs.python.org/3/glossary.html"), QStringLiteral("Glossary"));
            kept.visit(QStringLiteral("https://realpython.com/primer-on-python-decorators/"),
                       QStringLiteral("Primer on Python Decorators"));
            kept.visit(QStringLiteral("https://docs.python.org/3/glossary.html"));
            kept.visit(QStringLiteral("about:blank"));
            kept.visit(QStringLiteral("data:text/html,<p>x"));
            kept.visit(QStringLiteral("glisterwood://pages/not-an-address?text=x"));
            QCOMPARE(kept.store.Visits(), 3);
            QCOMPARE(kept.store.Pages(), 2);
        }
        ClockedStore again(file());
        if (!wordIndex) again.store.DropWordIndexForTesting();
        QCOMPARE(again.store.WordIndex(), wordIndex);
        // Newest first; every word must be there.
        QCOMPARE(addresses(again.store.Search(QStringLiteral("python"))),
                 QStringList({"https://docs.python.org/3/glossary.html",
                              "https://realpython.com/primer-on-python-decorators/"}));
        QCOMPARE(addresses(again.store.Search(QStringLiteral("decorators primer"))),
                 QStringList({"https://realpython.com/primer-on-python-decorators/"}));
        const QList<HistoryEntry> glossary = again.store.Search(QStringLiteral("glossary"));
        QCOMPARE(glossary.size(), 1);
        QCOMPARE(glossary.first().title, QStringLiteral("Glossary"));
        QCOMPARE(glossary.first().visits, 2);
        QCOMPARE(again.store.Search(QString()).size(), 2);
        QVERIFY(again.store.Search(QStringLiteral("snow")).isEmpty());
    }

    void completionPutsAddressesThatStartWithTheTextFirst() {
        ClockedStore kept(file());
        kept.visit(QStringLiteral("https://example.org/github-tips"), QStringLiteral("Tips for GitHub"));
        kept.visit(QStringLiteral("https://github.com/qt"), QStringLiteral("Qt"));
        kept.visit(QStringLiteral("https://www.gitlab.com/"), QStringLiteral("GitLab"));
        kept.visit(QStringLiteral("https://www.gitlab.com/"));
        kept.visit(QStringLiteral("https://gitea.example/"), QStringLiteral("Gitea"));
        QCOMPARE(addresses(kept.store.Complete(QStringLiteral("git"))),
                 QStringList({"https://www.gitlab.com/", "https://gitea.example/", "https://github.com/qt",
                              "https://example.org/github-tips"}));
        QCOMPARE(addresses(kept.store.Complete(QStringLiteral("https://www.gith"))),
                 QStringList({"https://github.com/qt", "https://example.org/github-tips"}));
        QCOMPARE(kept.store.Complete(QStringLiteral("git"), 2).size(), 2);
        QVERIFY(kept.store.Complete(QStringLiteral("   ")).isEmpty());
        // Quotes and brackets are only text.
        QCOMPARE(kept.store.Complete(QStringLiteral("\"gitea (")).size(), 1);
    }

    void clearingRemovesTheVisitsOfTheChosenTime() {
        ClockedStore kept(file());
        QSignalSpy cleared(&kept.store, &HistoryStore::cleared);
        kept.visit(QStringLiteral("http://old.example/"), QStringLiteral("Old"));
        kept.visit(QStringLiteral("http://both.example/"), QStringLiteral("Both"), kHour);
        kept.visit(QStringLiteral("http://day.example/"), {}, 2 * kHour);
        kept.visit(QStringLiteral("http://both.example/"), {}, 23 * kHour);
        kept.visit(QStringLiteral("http://new.example/"), {}, kHour / 2);

        kept.store.ClearSince(kept.now - kHour);
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(cleared.first().first().toLongLong(), kept.now - kHour);
        QCOMPARE(addresses(kept.store.Search(QString())),
                 QStringList({"http://day.example/", "http://both.example/", "http://old.example/"}));
        // The page visited before and within the hour keeps its earlier visit.
        const QList<HistoryEntry> both = kept.store.Search(QStringLiteral("both"));
        QCOMPARE(both.first().visits, 1);
        QCOMPARE(kept.store.Visits(), 3);

        kept.store.ClearSince(kept.now - 24 * kHour);
        QCOMPARE(addresses(kept.store.Search(QString())),
                 QStringList({"http://both.example/", "http://old.example/"}));
        QCOMPARE(addresses(kept.store.Complete(QStringLiteral("day"))), QStringList());

        kept.store.ClearSince(0);
        QCOMPARE(kept.store.Visits(), 0);
        QCOMPARE(kept.store.Pages(), 0);
        QVERIFY(kept.store.Search(QStringLiteral("old")).isEmpty());
        kept.visit(QStringLiteral("http://after.example/"));
        QCOMPARE(kept.store.Pages(), 1);
    }

    void aDamagedFileIsSetAsideAndAFreshHistoryStarted() {
        const QByteArray garbage = QByteArray("not a database at all ").repeated(400);
        {
            QFile damaged(file());
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(garbage);
        }
        ClockedStore kept(file());
        QSignalSpy problem(&kept.store, &HistoryStore::problem);
        QVERIFY(kept.store.OnDisk());
        QVERIFY(problem.wait(2000));
        QVERIFY(problem.first().first().toString().contains(QStringLiteral("damaged")));
        QFile aside(file() + QStringLiteral(".damaged"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), garbage); // kept as it was
        kept.visit(QStringLiteral("http://fresh.example/"), QStringLiteral("Fresh"));
        QCOMPARE(addresses(kept.store.Search(QStringLiteral("fresh"))),
                 QStringList({"http://fresh.example/"}));

        // Damage behind a readable header: found when the pages are read, and the visit not lost.
        kept.store.~HistoryStore();
        {
            QFile cut(file());
            QVERIFY(cut.open(QIODevice::ReadWrite));
            const qint64 size = cut.size();
            QVERIFY(size > 8192);
            cut.seek(4096); // every page after the first, which names the tables
            cut.write(QByteArray(int(size - 4096), '\xA5'));
        }
        new (&kept.store) HistoryStore(file());
        kept.store.Now = [&kept] { return kept.now; };
        QSignalSpy later(&kept.store, &HistoryStore::problem);
        kept.visit(QStringLiteral("http://during.example/"));
        QVERIFY(later.wait(2000));
        QVERIFY(QFileInfo::exists(file() + QStringLiteral(".damaged-2")));
        QCOMPARE(addresses(kept.store.Search(QString())), QStringList({"http://during.example/"}));
    }

    void aFolderThatCannotHoldTheFileKeepsTheHistoryForTheRun() {
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ClockedStore kept(dir.filePath(QStringLiteral("not-a-folder/history.sqlite")));
        QSignalSpy problem(&kept.store, &HistoryStore::problem);
        QVERIFY(!kept.store.OnDisk());
        QVERIFY(problem.wait(2000));
        kept.visit(QStringLiteral("http://memory.example/"));
        QCOMPARE(kept.store.Pages(), 1);
    }

    void visitsFollowThePagesWithoutCountingARepeatTwice() {
        FakePages fake;
        PageEvents events(*fake.pages);
        ClockedStore kept(file());
        VisitRecorder recorder(events, kept.store);
        const int slot = fake.start();
        FakeBrowser* page = fake.page(slot);
        page->Begin(QStringLiteral("http://snow.example/"));
        page->Commit(QStringLiteral("http://snow.example/"));
        page->Title(QStringLiteral("snow.example/")); // the engine's stand-in title
        page->Title(QStringLiteral("Snow Report"));
        page->Commit(QStringLiteral("http://snow.example/")); // a failed load ends where it was
        QCOMPARE(kept.store.Visits(), 1);
        QCOMPARE(kept.store.Search(QStringLiteral("report")).size(), 1);
        page->Commit(QStringLiteral("http://snow.example/#today"));
        page->Commit(QStringLiteral("http://snow.example/"));
        QCOMPARE(kept.store.Visits(), 3);

        // The search window lists them newest first and opens the one chosen.
        HistorySearch search(kept.store, nullptr);
        QSignalSpy open(&search, &HistorySearch::openRequested);
        search.Words()->setText(QStringLiteral("snow"));
        QCOMPARE(search.Results()->topLevelItemCount(), 2);
        QCOMPARE(search.Results()->topLevelItem(0)->text(1), QStringLiteral("http://snow.example/"));
        QCOMPARE(search.Results()->topLevelItem(0)->text(0), QStringLiteral("Snow Report"));
        QTest::keyClick(search.Words(), Qt::Key_Return);
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first().first().toString(), QStringLiteral("http://snow.example/"));
    }
};

QTEST_MAIN(TestHistoryStore)
#include "test_history_store.moc"
