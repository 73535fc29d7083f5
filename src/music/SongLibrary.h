#pragma once

#include <QString>
#include <QStringList>

// The songs of the music folders: every "*.mid" file of a folder, matched without regard to case,
// subfolders not searched. Folders are listed afresh on every call, so songs added or removed count
// from the next pick on.
namespace Music {

// The song file names of a folder in a fixed order (by name); empty when the folder cannot be listed.
QStringList ListSongs(const QString& folder);
int CountSongs(const QString& folder);
// The full path of the n-th song (from 1), or "" when the folder has fewer songs.
QString FindSong(const QString& folder, int n);
// A song drawn at random across all folders, each song as likely as any other; "" when there is none.
QString PickRandomSong(const QStringList& folders);
// The same with the draw u in [0, 1) given.
QString PickSongAt(const QStringList& folders, double u);
// The file name without its folder and its last four characters: "Jingle.mid" gives "Jingle".
QString GetSongTitle(const QString& path);
// Whether a file name or an address ends in ".mid", in any case.
bool IsSongName(const QString& name);

} // namespace Music
