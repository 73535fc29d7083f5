#pragma once

#include <QString>
#include <QStringList>

// The jukebox's settings: the music folders, the play pattern and the theme song.
namespace Music {

struct Settings {
    QStringList MusicFolders; // never empty after loading
    int MusicFrequency = 0;   // 1 = pause two to five minutes between songs
    int PlayTheme = 0;        // nonzero = play the theme song at start
};

// The settings in use; the options dialog edits them and calls SaveMusicSettings.
Settings& MusicSettings();

// Reads the settings (and the stored music state: only "playing" survives a restart).
void LoadMusicSettings();
void SaveMusicSettings();
// The "Music" folder in the program's folder.
QString GetDefaultMusicFolder();

} // namespace Music
