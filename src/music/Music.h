#pragma once

#include <QString>

// Starts the music subsystem: the sequencer check, the music settings and, when "Play theme" is
// on, the theme song.
void InitMusic();
// Whether the theme song should play at start.
bool PlayThemeAtStart();
// The theme song in the program's folder, whatever the case of its name ("THEME.MID", "Theme.mid").
QString ThemeSongPath();
