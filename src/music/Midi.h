#pragma once

#include <QString>

// The MIDI device layer: command strings in, replies out. No sequencer is installed yet, so the
// sequencer count is 0, every other command fails, and the music box stays hidden.
namespace Midi {

QString SendMciCommand(const QString& command);
// Sends "sysinfo sequencer quantity" and remembers whether any sequencer exists.
void CheckSequencer();
bool MidiAvailable();
// Plays one song beside the background music (the theme song); false when it could not start.
bool PlayOneSong(const QString& path);
bool OneSongOpen();
// The one-second check of the one-song alias: closes it once the song no longer plays.
void CheckOneSong();

} // namespace Midi
