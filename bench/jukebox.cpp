// Picking the next song from music folders of 2,000 songs in all, beside the floor: one plain
// listing of the same folders. Every pick lists the folders afresh, so a pick costs about one
// listing of each. Prints figures; never judges them.
#include "music/Jukebox.h"
#include "common/BenchCommon.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

double microsecondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e3;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int picks = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;

    QTemporaryDir library;
    QStringList folders;
    const int perFolder[] = {100, 400, 1500};
    for (int f = 0; f < 3; ++f) {
        const QString folder = library.filePath(QStringLiteral("folder%1").arg(f));
        QDir().mkpath(folder);
        for (int i = 0; i < perFolder[f]; ++i)
            QFile(folder + QStringLiteral("/Carol %1.%2").arg(i).arg(i % 3 ? "mid" : "MID"))
                .open(QIODevice::WriteOnly);
        QFile(folder + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
        folders << folder;
    }

    Music::Jukebox jukebox;
    jukebox.Folders = [&folders] { return folders; };
    QList<double> pick, floor;
    int found = 0;
    for (int i = 0; i < picks; ++i) {
        // Turn about, so neither side always finds the folders freshly read by the other.
        const auto pickOnce = [&] { found += jukebox.PickNextSong().isEmpty() ? 0 : 1; };
        const auto listOnce = [&] {
            for (const QString& folder : folders)
                QDir(folder).entryList({QStringLiteral("*.mid")}, QDir::Files);
        };
        if (i % 2) {
            pick.append(microsecondsOf(pickOnce));
            floor.append(microsecondsOf(listOnce));
        } else {
            floor.append(microsecondsOf(listOnce));
            pick.append(microsecondsOf(pickOnce));
        }
    }
    std::printf("jukebox: %d picks from %d songs in 3 folders, %d found\n", picks, 2000, found);
    bench::PrintFigures(
        {{QStringLiteral("pick next song (us)"), bench::Summarise(pick), bench::Summarise(floor), 0}});
    return found == picks ? 0 : 1;
}
