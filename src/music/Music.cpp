#include "music/Music.h"

#include "app/Folders.h"
#include "app/RegUtil.h"
#include "music/Midi.h"

bool PlayThemeAtStart() {
    return RegUtil::GetRegNumber(RegUtil::kProductKey, RegUtil::kPlayTheme) != 0;
}

void InitMusic() {
    Midi::CheckSequencer();
    if (PlayThemeAtStart() && Midi::MidiAvailable())
        Midi::PlayOneSong(ProgramFolder() + QStringLiteral("Theme.MID"));
}
