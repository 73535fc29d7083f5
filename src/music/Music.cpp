#include "music/Music.h"

#include "app/Folders.h"
#include "app/RegUtil.h"
#include "music/Midi.h"
#include "music/MusicSettings.h"

#include <QDir>

bool PlayThemeAtStart() {
    return RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kPlayTheme) != 0;
}

QString FindFileIgnoringCase(const QString& folder, const QString& name) {
    const QStringList found = QDir(folder).entryList({name}, QDir::Files, QDir::Name);
    for (const QString& file : found)
        if (file.compare(name, Qt::CaseInsensitive) == 0) return AddBackslash(folder) + file;
    return AddBackslash(folder) + name;
}

QString ThemeSongPath() {
    return FindFileIgnoringCase(ProgramFolder(), QStringLiteral("THEME.MID"));
}

void InitMusic() {
    Midi::CheckSequencer();
    Music::LoadMusicSettings();
    if (PlayThemeAtStart() && Midi::MidiAvailable()) Midi::PlayOneSong(ThemeSongPath());
}
