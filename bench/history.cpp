// The kept history at 100,000 visits: recording a visit, and what the address box offers for a
// three-letter prefix, beside the floor: one bare SQLite query (the C library, no Qt) that reads
// the same rows. Prints figures; never judges them.
#include "browse/AddressSuggestions.h"
#include "browse/HistoryStore.h"
#include "common/BenchCommon.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
#include <random>
#include <sqlite3.h>

namespace {

constexpr int kVisits = 100'000;
constexpr int kPages = 25'000;
constexpr int kHosts = 2'000;
constexpr int kRecorded = 1'000; // visits recorded through the program, timed one by one
constexpr int kPrefixes = 200;

const char* const kSyllables[] = {"git",  "snow", "car",  "ol",  "bel", "star", "win",  "ter",
                                  "tree", "fir",  "holl", "y",   "sle", "igh",  "deer", "elf",
                                  "toy",  "shop", "news", "doc", "py",  "thon", "qt",   "web",
                                  "mail", "map",  "wiki", "pe",  "dia", "blog"};

// Names, titles and addresses of a made-up web, the same every run.
struct MadeUpWeb {
    std::mt19937 random{1999};
    QString word() {
        std::uniform_int_distribution<int> count(1, 3), pick(0, int(std::size(kSyllables)) - 1);
        QString w;
        for (int n = count(random); n > 0; --n)
            w += QString::fromLatin1(kSyllables[pick(random)]);
        return w;
    }
    QStringList hosts;
    QList<QPair<QString, QString>> pages; // address, title
    MadeUpWeb() {
        const char* tops[] = {".com", ".org", ".example", ".net"};
        for (int i = 0; i < kHosts; ++i)
            hosts << (i % 3 == 0 ? QStringLiteral("www.") : QString()) + word() + QString::number(i % 7) +
                         QString::fromLatin1(tops[i % 4]);
        std::uniform_int_distribution<int> host(0, kHosts - 1), words(2, 6);
        for (int i = 0; i < kPages; ++i) {
            QStringList title;
            for (int n = words(random); n > 0; --n)
                title << word();
            pages.append({QStringLiteral("https://%1/%2/%3").arg(hosts[host(random)], word()).arg(i),
                          title.join(QLatin1Char(' '))});
        }
    }
    // Some pages are visited far more often than others.
    int visitedPage() {
        std::exponential_distribution<double> often(4.0);
        return std::min(kPages - 1, int(often(random) * kPages));
    }
    QString prefix() {
        std::uniform_int_distribution<int> host(0, kHosts - 1);
        QString from = hosts[host(random)];
        if (from.startsWith(QLatin1String("www."))) from.remove(0, 4);
        return from.left(3);
    }
};

// The first visits go in through one transaction of the store's own file, as they would have
// piled up over months; the store keeps its word index up to date by itself.
void fill(const QString& file, MadeUpWeb& web, int visits) {
    { HistoryStore create(file); }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(file);
    db.open();
    db.transaction();
    QSqlQuery page(db), visit(db);
    page.prepare(QStringLiteral(
        "INSERT INTO pages(url, host_key, title, visit_count, last_visit) VALUES (?, ?, ?, 1, ?)"
        " ON CONFLICT(url) DO UPDATE SET visit_count = visit_count + 1,"
        " last_visit = excluded.last_visit RETURNING id"));
    visit.prepare(QStringLiteral("INSERT INTO visits(page_id, time) VALUES (?, ?)"));
    qint64 time = 1'600'000'000'000;
    for (int i = 0; i < visits; ++i) {
        const auto& [address, title] = web.pages[web.visitedPage()];
        time += 60'000;
        page.addBindValue(address);
        page.addBindValue(HistoryStore::HostKey(address));
        page.addBindValue(title);
        page.addBindValue(time);
        page.exec();
        page.next();
        visit.addBindValue(page.value(0));
        visit.addBindValue(time);
        page.finish();
        visit.exec();
    }
    db.commit();
    page = QSqlQuery();
    visit = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

// The floor: one plain query of the rows the completion gave, through SQLite's own library.
double bareQueryMs(sqlite3* db, const QList<Suggestion>& rows) {
    QStringList marks;
    for (qsizetype i = 0; i < rows.size(); ++i)
        marks << QStringLiteral("?");
    const QByteArray sql =
        QStringLiteral("SELECT url, title, visit_count, last_visit FROM pages WHERE url IN (%1)")
            .arg(marks.join(QLatin1Char(',')))
            .toUtf8();
    QElapsedTimer clock;
    clock.start();
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr);
    QList<QByteArray> keep;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        keep << rows[i].address.toUtf8();
        sqlite3_bind_text(statement, int(i + 1), keep.last().constData(), int(keep.last().size()),
                          SQLITE_STATIC);
    }
    int read = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        read += sqlite3_column_bytes(statement, 0) + sqlite3_column_bytes(statement, 1);
    sqlite3_finalize(statement);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    return read >= 0 ? ms : ms; // the bytes are read, not used
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("history.sqlite"));
    MadeUpWeb web;
    std::printf("history of %d visits to %d pages on %d sites in %s\n", kVisits, kPages, kHosts,
                qPrintable(file));
    QElapsedTimer filling;
    filling.start();
    fill(file, web, kVisits - kRecorded);
    std::printf("filled in %.1f s\n", double(filling.elapsed()) / 1000);

    HistoryStore store(file);
    store.Now = [time = qint64(1'700'000'000'000)]() mutable { return time += 60'000; };
    QList<double> record;
    for (int i = 0; i < kRecorded; ++i) {
        const QString address = web.pages[web.visitedPage()].first;
        QElapsedTimer clock;
        clock.start();
        store.AddVisit(address);
        record << double(clock.nsecsElapsed()) / 1e6;
    }
    std::printf("visits kept: %d, pages: %d, word index: %s\n", store.Visits(), store.Pages(),
                store.WordIndex() ? "yes" : "no");

    sqlite3* bare = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &bare, SQLITE_OPEN_READONLY, nullptr);
    QList<double> complete, floor;
    int offered = 0;
    for (int i = 0; i < kPrefixes; ++i) {
        const QString typed = web.prefix();
        QElapsedTimer clock;
        clock.start();
        // What the address box does for each key: the kept pages, ranked (no bookmarks here).
        const QList<Suggestion> rows = AddressSuggestions::Rank(typed, store.Complete(typed, 8), {}, 8);
        complete << double(clock.nsecsElapsed()) / 1e6;
        offered += int(rows.size());
        floor << bareQueryMs(bare, rows);
    }
    sqlite3_close(bare);

    // The visit's floor: one bare insert of a visit row, committed on its own.
    QList<double> insert;
    sqlite3_open_v2(file.toUtf8().constData(), &bare, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(bare, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    for (int i = 0; i < kRecorded; ++i) {
        QElapsedTimer clock;
        clock.start();
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(bare, "INSERT INTO visits(page_id, time) VALUES (?, ?)", -1, &statement, nullptr);
        sqlite3_bind_int64(statement, 1, 1 + i % 1000);
        sqlite3_bind_int64(statement, 2, 1'800'000'000'000 + i);
        sqlite3_step(statement);
        sqlite3_finalize(statement);
        insert << double(clock.nsecsElapsed()) / 1e6;
    }
    sqlite3_close(bare);
    std::printf("%d prefixes of three letters, %.1f pages offered on average\n\n", kPrefixes,
                double(offered) / kPrefixes);

    bench::PrintFigures({
        {QStringLiteral("completion (ms)"), bench::Summarise(complete), bench::Summarise(floor), 3},
        {QStringLiteral("visit recorded (ms)"), bench::Summarise(record), bench::Summarise(insert), 3},
    });
    std::printf(
        "floors: one bare SQLite query (C library) reading the same rows; one bare insert of a visit row\n");
    std::printf("aim: a completion within 20 ms at %d visits\n", kVisits);
    return 0;
}
