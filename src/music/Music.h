#pragma once

// Starts the music subsystem: the sequencer check and, when "Play theme" is on, the theme song.
void InitMusic();
// Whether the theme song should play at start.
bool PlayThemeAtStart();
