#include "music/SongLibrary.h"

#include "base/Folders.h"
#include "base/Random.h"

#include <QDir>
#include <cmath>

namespace Music {

QStringList ListSongs(const QString& folder) {
    if (folder.isEmpty()) return {};
    QDir dir(folder);
    if (!dir.exists()) return {};
    // Name filters match without regard to case unless told otherwise.
    return dir.entryList({QStringLiteral("*.mid")}, QDir::Files | QDir::Readable,
                         QDir::Name | QDir::IgnoreCase);
}

int CountSongs(const QString& folder) {
    return int(qMin<qsizetype>(ListSongs(folder).size(), 32767));
}

QString FindSong(const QString& folder, int n) {
    const QStringList songs = ListSongs(folder);
    if (n < 1 || n > songs.size()) return {};
    return AddBackslash(folder) + songs.at(n - 1);
}

QString PickRandomSong(const QStringList& folders) {
    return PickSongAt(folders, Rnd());
}

QString PickSongAt(const QStringList& folders, double u) {
    // Each folder's songs get the numbers first..last of one count across all folders. One listing
    // per folder serves both the count and the pick, so the order cannot change in between.
    QList<QStringList> listings;
    int total = 0;
    for (const QString& folder : folders) {
        listings << ListSongs(folder);
        total += int(listings.last().size());
    }
    if (total == 0) return {};
    const int r = int(std::floor(u * total)) + 1;
    int first = 1;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const int last = first + int(listings[i].size()) - 1;
        if (r >= first && r <= last) return AddBackslash(folders[i]) + listings[i].at(r - first);
        first = last + 1;
    }
    return {};
}

QString GetSongTitle(const QString& path) {
    const qsizetype slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString name = path.mid(slash + 1);
    name.chop(4);
    return name;
}

bool IsSongName(const QString& name) {
    return name.right(4).toLower() == QLatin1String(".mid");
}

} // namespace Music
