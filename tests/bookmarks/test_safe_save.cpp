#include "bookmarks/BookmarkFile.h"
#include "bookmarks/CardFile.h"
#include "bookmarks/NetscapeBookmarks.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

// Saving never loses the old file: not when the save fails, not when the program dies during it.
// The saving happens in a child: this test binary started again with a mode argument.

namespace {

QList<BookmarkRecord> bookmarks(int count, const QString& tag) {
    QList<BookmarkRecord> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("%1 bookmark %2 — Weihnachtsmärkte").arg(tag).arg(i),
                     QStringLiteral("https://%1.example/page/%2?q=schnee").arg(tag).arg(i), i % 100 + 1,
                     true});
    return list;
}

QList<CardRecord> cards(int count, const QString& tag) {
    QList<CardRecord> list;
    for (int i = 0; i < count; ++i)
        list.append({true, i % 100 + 1, QStringLiteral("https://%1.example/%2").arg(tag).arg(i),
                     QStringLiteral("%1 card %2 ❄").arg(tag).arg(i), i % 800, i % 600});
    return list;
}

// The old and the new content of both files.
const QList<BookmarkRecord> kOldBookmarks = bookmarks(3000, "old");
const QList<BookmarkRecord> kNewBookmarks = bookmarks(2000, "new");
const QList<CardRecord> kOldCards = cards(600, "old");
const QList<CardRecord> kNewCards = cards(400, "new");

QString bookmarkPath(const QString& dir) {
    return dir + QStringLiteral("/BookMark.gwb");
}
QString cardPath(const QString& dir) {
    return dir + QStringLiteral("/sites.gws");
}

// Saves the new and the old content in turns until killed.
int saveForever(const QString& dir) {
    for (int i = 0;; ++i) {
        const bool fresh = i % 2 == 0;
        SaveBookmarkFile(bookmarkPath(dir), fresh ? kNewBookmarks : kOldBookmarks);
        SaveCardFile(cardPath(dir), fresh ? kNewCards : kOldCards);
        if (i == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}

// Saves with files limited to 4 KiB, so every write fails part way; 0 when both saves say so.
int saveWithFullDisk(const QString& dir) {
    std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit then fails with EFBIG
    const rlimit limit{4096, 4096};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
    const bool bookmarksSaved = SaveBookmarkFile(bookmarkPath(dir), kNewBookmarks);
    const bool cardsSaved = SaveCardFile(cardPath(dir), kNewCards);
    return bookmarksSaved || cardsSaved ? 1 : 0;
}

// Files under the 16 KiB that Qt keeps in its buffer: the failing write comes only as the file is
// put in place. A limit of 4 KiB cuts every one of them.
const QList<BookmarkRecord> kSmallOld = [] {
    QList<BookmarkRecord> list;
    for (int i = 0; i < 300; ++i)
        list.append(
            {QStringLiteral("Carol %1").arg(i), QStringLiteral("https://c.example/%1").arg(i), 1, true});
    return list;
}();
const QList<CardRecord> kSmallCards = cards(100, "s");

int saveSmallWithFileSizeLimit(const QString& dir) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
    QList<BookmarkRecord> changed = kSmallOld;
    changed.first().Name = QStringLiteral("Carol renamed");
    const bool bookmarksSaved = SaveBookmarkFile(bookmarkPath(dir), changed);
    const bool cardsSaved = SaveCardFile(cardPath(dir), kSmallCards.mid(1));
    const bool exported = ExportNetscapeFile(dir + QStringLiteral("/export.html"), kSmallOld);
    return bookmarksSaved || cardsSaved || exported ? 1 : 0;
}

} // namespace

class TestSafeSave : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void saveOld() {
        QVERIFY(SaveBookmarkFile(bookmarkPath(dir.path()), kOldBookmarks));
        QVERIFY(SaveCardFile(cardPath(dir.path()), kOldCards));
    }

private slots:
    void failedSaveKeepsTheOldFile() {
        saveOld();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-full"), dir.path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const BookmarkLoad b = LoadBookmarkFile(bookmarkPath(dir.path()));
        QCOMPARE(b.Status, BookmarkLoadStatus::Ok);
        QVERIFY(b.Records == kOldBookmarks);
        const CardLoad c = LoadCardFile(cardPath(dir.path()));
        QCOMPARE(c.Status, CardLoadStatus::Ok);
        QVERIFY(c.Cards == kOldCards);
        // and the half-written new files were cleared away
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("BookMark.gwb"), QStringLiteral("sites.gws")}));
    }

    void aSmallFileUnderASizeLimitKeepsTheOldOneAndSaysSo() {
        QVERIFY(FormatBookmarks(kSmallOld).size() > 4096 && FormatBookmarks(kSmallOld).size() < 16384);
        QVERIFY(SaveBookmarkFile(bookmarkPath(dir.path()), kSmallOld));
        QVERIFY(SaveCardFile(cardPath(dir.path()), kSmallCards));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-small"), dir.path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0); // every save said it failed
        const BookmarkLoad b = LoadBookmarkFile(bookmarkPath(dir.path()));
        QCOMPARE(b.Status, BookmarkLoadStatus::Ok);
        QVERIFY(b.Records == kSmallOld);
        const CardLoad c = LoadCardFile(cardPath(dir.path()));
        QCOMPARE(c.Status, CardLoadStatus::Ok);
        QVERIFY(c.Cards == kSmallCards);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("BookMark.gwb"), QStringLiteral("sites.gws")}));
    }

    void killedSaveLeavesOldOrNew() {
        saveOld();
        QRandomGenerator random(1225);
        int sawNew = 0;
        for (int round = 0; round < 20; ++round) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-loop"), dir.path()});
            QVERIFY(child.waitForReadyRead(60000));
            QThread::usleep(random.bounded(20000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(60000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const BookmarkLoad b = LoadBookmarkFile(bookmarkPath(dir.path()));
            QCOMPARE(b.Status, BookmarkLoadStatus::Ok);
            QVERIFY2(b.Records == kOldBookmarks || b.Records == kNewBookmarks,
                     qPrintable(QString::number(round)));
            const CardLoad c = LoadCardFile(cardPath(dir.path()));
            QCOMPARE(c.Status, CardLoadStatus::Ok);
            QVERIFY2(c.Cards == kOldCards || c.Cards == kNewCards, qPrintable(QString::number(round)));
            sawNew += b.Records == kNewBookmarks ? 1 : 0;
        }
        qInfo("the new bookmarks were in place after %d of 20 kills", sawNew);
    }
};

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveForever(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--save-small") == 0)
        return saveSmallWithFileSizeLimit(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--save-full") == 0)
        return saveWithFullDisk(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestSafeSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_safe_save.moc"
