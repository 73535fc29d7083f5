#pragma once

#include "music/MciBackend.h"

#include <QString>
#include <functional>

// The MIDI device layer: command strings in, replies out, and the playback state machine of the
// background music under the alias "vhmidi" beside one-off songs under "VhOneSong".
namespace Midi {

enum MusicStates { StateIdle = 0, StateStopped = 1, StatePlaying = 2, StatePaused = 3, StatePausing = 4 };

// Sends one command string; the reply, or the error code as decimal text.
QString SendMciCommand(const QString& command);
// The message for an error code, "BadCall" when there is none.
QString GetMciErrorText(quint32 code);
// The text up to the first NUL character.
QString TrimAtNull(const QString& text);

// Sends "sysinfo sequencer quantity" and remembers whether any sequencer exists.
void CheckSequencer();
bool MidiAvailable();
bool MidiOpen();

// Opens and starts a background song: 0, or the error code of the play command.
int PlayMidiFile(const QString& path);
// Plays one song beside the background music (the theme song); false when it could not start.
bool PlayOneSong(const QString& path);
bool OneSongOpen();
// The one-second check of the one-song alias: closes it once the song no longer plays.
void CheckOneSong();

void PauseMusic();
void ResumeMusic();
void StopMusic();
// The three-second check of the background song.
void CheckMusic();
void SaveMusicState(int state);

int MusicState();
void SetMusicState(int state);
int PauseTicksLeft();
bool BoxOpenPending();
void SetBoxOpenPending(bool pending);

// What the state machine asks of the window; the music controls connect these.
struct Hooks {
    std::function<void(int state)> UpdateMusicMenu;
    // Opens the music box with an empty path: the next song.
    std::function<void()> OpenMusicBoxNext;
    // The one-song timer goes off once the one-song alias closes.
    std::function<void()> StopThemeSongTimer;
    // The music timer goes off in the idle and stopped states.
    std::function<void()> StopMusicTimer;
    int MusicTimerIntervalMs = 3000;
};
void SetHooks(Hooks hooks);

// Forgets all state (tests).
void ResetForTesting();

} // namespace Midi
