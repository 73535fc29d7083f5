#include "music/Music.h"

#include "base/Folders.h"
#include "base/RegUtil.h"
#include "music/Midi.h"
#include "music/MusicSettings.h"

bool PlayThemeAtStart() {
    return RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kPlayTheme) != 0;
}

QString ThemeSongPath() {
    return FindFileIgnoringCase(ProgramFolder(), QStringLiteral("THEME.MID"));
}

void InitMusic() {
    Midi::CheckSequencer();
    Music::LoadMusicSettings();
    if (PlayThemeAtStart() && Midi::MidiAvailable()) Midi::PlayOneSong(ThemeSongPath());
}
