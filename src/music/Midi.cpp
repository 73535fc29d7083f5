#include "music/Midi.h"

#include "base/Random.h"
#include "base/RegUtil.h"
#include "music/ProgramDevice.h"

#include <cmath>

namespace Midi {
namespace {

MciBackend* backend = nullptr;
Hooks hooks;

bool midiAvailable = false;
bool midiOpen = false;
bool oneSongOpen = false;
bool boxOpenPending = false;
int musicState = StateIdle;
int pauseTicksLeft = 0;

MciBackend& device() {
    return backend ? *backend : ProgramDevice();
}

// A word in quotes; a quote inside it is doubled, so that a file name may hold any character.
QString quoted(QString text) {
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Replies are read as numbers: 0 (and any text that is not a number) means success.
int replyNumber(const QString& reply) {
    return RegUtil::RegNumber(reply);
}

void updateMenu(int state) {
    if (hooks.UpdateMusicMenu) hooks.UpdateMusicMenu(state);
}

void openNext() {
    if (hooks.OpenMusicBoxNext) hooks.OpenMusicBoxNext();
}

} // namespace

MciBackend* SetBackend(MciBackend* next) {
    MciBackend* previous = backend;
    backend = next;
    return previous;
}

void SetHooks(Hooks next) {
    hooks = std::move(next);
}

QString TrimAtNull(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QString SendMciCommand(const QString& command) {
    return TrimAtNull(device().Send(command));
}

QString GetMciErrorText(quint32 code) {
    const QString text = device().ErrorText(code);
    return text.isEmpty() ? QStringLiteral("BadCall") : TrimAtNull(text);
}

void CheckSequencer() {
    midiAvailable = replyNumber(SendMciCommand(QStringLiteral("sysinfo sequencer quantity"))) > 0;
}

bool MidiAvailable() {
    return midiAvailable;
}

bool MidiOpen() {
    return midiOpen;
}

int PlayMidiFile(const QString& path) {
    if (midiOpen) SendMciCommand(QStringLiteral("close vhmidi"));
    // A song that cannot be opened says why itself (file not found, not a MIDI file), rather than
    // leaving the play command to report an alias that is not open.
    const int openError = replyNumber(SendMciCommand(QStringLiteral("open ") + quoted(path) +
                                                     QStringLiteral(" type sequencer alias vhmidi")));
    if (openError != 0) {
        midiOpen = false;
        return static_cast<qint16>(openError);
    }
    const int error = replyNumber(SendMciCommand(QStringLiteral("play vhmidi from 0")));
    if (error == 0) {
        midiOpen = true;
        return 0;
    }
    midiOpen = false;
    SendMciCommand(QStringLiteral("close vhmidi"));
    return static_cast<qint16>(error);
}

bool PlayOneSong(const QString& path) {
    SendMciCommand(QStringLiteral("open ") + quoted(QStringLiteral("sequencer!") + path) +
                   QStringLiteral(" alias VhOneSong"));
    if (replyNumber(SendMciCommand(QStringLiteral("play VhOneSong from 0"))) != 0) return false;
    oneSongOpen = true;
    return true;
}

bool OneSongOpen() {
    return oneSongOpen;
}

void CheckOneSong() {
    if (SendMciCommand(QStringLiteral("status VhOneSong mode")) == QLatin1String("playing")) return;
    SendMciCommand(QStringLiteral("close VhOneSong"));
    if (hooks.StopThemeSongTimer) hooks.StopThemeSongTimer();
    oneSongOpen = false;
    if (boxOpenPending) {
        boxOpenPending = false;
        openNext();
    }
}

void PauseMusic() {
    SendMciCommand(QStringLiteral("pause vhmidi"));
    musicState = StatePaused;
    updateMenu(musicState);
}

void ResumeMusic() {
    SendMciCommand(QStringLiteral("resume vhmidi"));
    musicState = StatePlaying;
    updateMenu(musicState);
}

void StopMusic() {
    SendMciCommand(QStringLiteral("close vhmidi"));
    musicState = StateStopped;
    updateMenu(musicState);
    SaveMusicState(StateStopped);
}

void CheckMusic() {
    switch (musicState) {
    case StatePlaying: {
        const QString mode = SendMciCommand(QStringLiteral("status vhmidi mode"));
        if (mode == QLatin1String("not ready") || mode == QLatin1String("paused") ||
            mode == QLatin1String("playing") || mode == QLatin1String("seeking"))
            return;
        SendMciCommand(QStringLiteral("close vhmidi"));
        if (RegUtil::GetRegNumber(RegUtil::kProductKey, QStringLiteral("Music frequency")) == 1) {
            const int interval = hooks.MusicTimerIntervalMs > 0 ? hooks.MusicTimerIntervalMs : 3000;
            pauseTicksLeft = static_cast<int>(std::nearbyint((2.0 + 3.0 * Rnd()) * (60000.0 / interval)));
            musicState = StatePausing;
            updateMenu(musicState);
        } else {
            openNext();
        }
        return;
    }
    case StatePaused:
        return;
    case StatePausing:
        if (--pauseTicksLeft < 1) openNext();
        return;
    default:
        if (hooks.StopMusicTimer) hooks.StopMusicTimer();
        return;
    }
}

void SaveMusicState(int state) {
    RegUtil::SetRegString(RegUtil::kProductKey, QStringLiteral("Music state"), QString::number(state));
}

int MusicState() {
    return musicState;
}

void SetMusicState(int state) {
    musicState = state;
}

int PauseTicksLeft() {
    return pauseTicksLeft;
}

bool BoxOpenPending() {
    return boxOpenPending;
}

void SetBoxOpenPending(bool pending) {
    boxOpenPending = pending;
}

void ResetForTesting() {
    midiAvailable = midiOpen = oneSongOpen = boxOpenPending = false;
    musicState = StateIdle;
    pauseTicksLeft = 0;
}

} // namespace Midi
