// Loading and saving the bookmark file (10,000 bookmarks) and the card file (1,000 cards), beside the
// floor: reading and writing the same bytes with a plain QFile. Prints figures; never judges them.
#include "bookmarks/BookmarkFile.h"
#include "bookmarks/CardFile.h"
#include "common/BenchCommon.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

double millisecondsOf(const std::function<bool()>& work, bool* ok) {
    QElapsedTimer timer;
    timer.start();
    const bool done = work();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    *ok = *ok && done;
    return ms;
}

bool writeFloor(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool readFloor(const QString& path, qsizetype size) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().size() == size;
}

QList<BookmarkRecord> bookmarks(int count) {
    QList<BookmarkRecord> list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("Weihnachtsmarkt %1 — Glühwein & Lebkuchen").arg(i),
                     QStringLiteral("https://www.example.com/maerkte/%1/index.html?stadt=k%C3%B6ln").arg(i),
                     i % 100 + 1, true});
    return list;
}

QList<CardRecord> cards(int count) {
    QList<CardRecord> list;
    for (int i = 0; i < count; ++i)
        list.append({true, i % 100 + 1, QStringLiteral("https://www.example.com/karten/%1.html").arg(i),
                     QStringLiteral("Karte %1 ❄").arg(i), i % 900, i % 700});
    return list;
}

// The load and save rows of one file, each beside the floor on the same bytes.
QList<bench::Figure> measure(const QString& what, const QString& path, const QString& floorPath,
                             const QByteArray& bytes, const std::function<bool()>& save,
                             const std::function<bool()>& load, int repetitions, bool* ok) {
    QList<double> saves, loads, floorWrites, floorReads;
    for (int i = 0; i < repetitions; ++i) {
        saves.append(millisecondsOf(save, ok));
        floorWrites.append(millisecondsOf([&] { return writeFloor(floorPath, bytes); }, ok));
        loads.append(millisecondsOf(load, ok));
        floorReads.append(millisecondsOf([&] { return readFloor(floorPath, bytes.size()); }, ok));
    }
    *ok = *ok && QFile(path).size() == bytes.size();
    return {{what + QStringLiteral(" load (ms)"), bench::Summarise(loads), bench::Summarise(floorReads), 2},
            {what + QStringLiteral(" save (ms)"), bench::Summarise(saves), bench::Summarise(floorWrites), 2}};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? QByteArray(argv[1]).toInt() : 15;
    if (repetitions < 1) {
        std::fprintf(stderr, "usage: %s [repetitions]\n", argv[0]);
        return 1;
    }
    QTemporaryDir dir;
    bool ok = dir.isValid();

    const QList<BookmarkRecord> manyBookmarks = bookmarks(10000);
    const QString bookmarkPath = dir.filePath(QStringLiteral("BookMark.gwb"));
    QList<bench::Figure> figures = measure(
        QStringLiteral("10,000 bookmarks"), bookmarkPath, dir.filePath(QStringLiteral("floor.gwb")),
        FormatBookmarks(manyBookmarks), [&] { return SaveBookmarkFile(bookmarkPath, manyBookmarks); },
        [&] {
            const BookmarkLoad load = LoadBookmarkFile(bookmarkPath);
            return load.Status == BookmarkLoadStatus::Ok && load.Records.size() == manyBookmarks.size();
        },
        repetitions, &ok);

    const QList<CardRecord> manyCards = cards(1000);
    const QString cardPath = dir.filePath(QStringLiteral("sites.gws"));
    figures += measure(
        QStringLiteral("1,000 cards"), cardPath, dir.filePath(QStringLiteral("floor.gws")),
        FormatCards(manyCards), [&] { return SaveCardFile(cardPath, manyCards); },
        [&] {
            const CardLoad load = LoadCardFile(cardPath);
            return load.Status == CardLoadStatus::Ok && load.Cards.size() == manyCards.size();
        },
        repetitions, &ok);

    std::printf(
        "file load and save, median [min - max] of %d repetitions; floor: the same bytes with QFile\n",
        repetitions);
    bench::PrintFigures(figures);
    std::printf("aim: each under 20 ms and within 3x the floor\n");
    if (!ok) std::fprintf(stderr, "a load or save failed\n");
    return ok ? 0 : 1;
}
