#include "music/fluid/FluidSong.h"

#include "music/fluid/AudioOutput.h"
#include "music/fluid/MciErrors.h"

#include <QThread>
#include <algorithm>
#include <fluidsynth.h>

namespace Mci {
namespace {
// FluidSynth's own gain (0.2) is quiet beside other desktop sound; this leaves headroom for dense songs.
constexpr double kSynthGain = 0.8;
constexpr int kSustainPedal = 64;
constexpr qint64 kLoadWaitMs = 1000;
} // namespace

FluidSong::FluidSong(QString alias)
    : alias_(std::move(alias)) {
    clock_.start();
}

FluidSong::~FluidSong() {
    dropPlayback();
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

quint32 FluidSong::ensureSynth() {
    if (synth_) return NoError;
    AudioOutput::QuietLibraryMessages();
    const QString soundFont = AudioOutput::SoundFontPath();
    if (soundFont.isEmpty()) return CannotLoadDriver;
    settings_ = new_fluid_settings();
    if (!settings_) return OutOfMemory;
    fluid_settings_setnum(settings_, "synth.gain", kSynthGain);
    fluid_settings_setint(settings_, "synth.cpu-cores", 1);
    synth_ = new_fluid_synth(settings_);
    if (!synth_) {
        delete_fluid_settings(settings_);
        settings_ = nullptr;
        return OutOfMemory;
    }
    if (fluid_synth_sfload(synth_, soundFont.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
        // Nothing half made stays behind; the next open tries again.
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
        synth_ = nullptr;
        settings_ = nullptr;
        return CannotLoadDriver;
    }
    return NoError;
}

quint32 FluidSong::open(const QByteArray& song, const SmfInfo& info) {
    const quint32 error = ensureSynth();
    if (error) return error;
    dropPlayback();
    song_ = song;
    info_ = info;
    open_ = true;
    paused_ = false;
    heldTick_ = 0;
    endTick_ = info.totalTicks();
    return NoError;
}

void FluidSong::dropPlayback() {
    // The driver goes first: it is the thread that drives the player.
    if (driver_) delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
    if (player_) delete_fluid_player(player_);
    player_ = nullptr;
    playing_ = false;
}

qint64 FluidSong::currentTick() const {
    return player_ ? std::max(0, fluid_player_get_current_tick(player_)) : heldTick_;
}

void FluidSong::silence() {
    if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

quint32 FluidSong::play(std::optional<qint64> fromMs, std::optional<qint64> toMs) {
    if (!open_) return InvalidDeviceName;
    qint64 start = heldTick_;
    if (fromMs) {
        start = info_.msToTick(*fromMs);
    } else if (playing_ && !paused_) {
        start = currentTick();
    }
    if (start >= info_.totalTicks() && !fromMs) start = 0; // a finished song plays again from the top
    start = std::clamp<qint64>(start, 0, info_.totalTicks());
    endTick_ = toMs ? std::min(info_.totalTicks(), info_.msToTick(*toMs)) : info_.totalTicks();

    dropPlayback();
    fluid_synth_system_reset(synth_);
    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add_mem(player_, song_.constData(), size_t(song_.size())) == FLUID_FAILED) {
        dropPlayback();
        return InvalidFile;
    }
    fluid_player_play(player_);
    quint32 error = NoError;
    driver_ = AudioOutput::Open(settings_, synth_, alias_, error);
    if (!driver_) {
        dropPlayback();
        heldTick_ = start;
        return error;
    }
    if (start > 0) seekOnceLoaded(start);
    playing_ = true;
    paused_ = false;
    watch_.start(start, clock_.elapsed());
    return NoError;
}

void FluidSong::seekOnceLoaded(qint64 tick) {
    // The player reads its file on the first tick of the output and refuses a seek before that.
    QElapsedTimer waited;
    waited.start();
    while (fluid_player_get_total_ticks(player_) <= 0 && waited.elapsed() < kLoadWaitMs)
        QThread::usleep(500);
    fluid_player_seek(player_, int(tick));
    silence(); // whatever began at the top of the song
}

void FluidSong::pause() {
    if (!playing_ || paused_) return;
    heldTick_ = currentTick();
    fluid_player_stop(player_);
    silence();
    paused_ = true;
}

void FluidSong::resume() {
    if (!playing_ || !paused_) return;
    fluid_player_play(player_);
    paused_ = false;
    watch_.start(currentTick(), clock_.elapsed());
}

void FluidSong::stop() {
    if (!playing_) return;
    heldTick_ = currentTick();
    dropPlayback();
    silence();
    paused_ = false;
}

void FluidSong::seek(qint64 ms) {
    stop();
    heldTick_ = std::clamp<qint64>(info_.msToTick(ms), 0, info_.totalTicks());
}

QString FluidSong::mode() {
    if (!playing_) return QStringLiteral("stopped");
    if (paused_) return QStringLiteral("paused");
    const bool finished = fluid_player_get_status(player_) == FLUID_PLAYER_DONE;
    switch (watch_.poll(currentTick(), endTick_, finished, fluid_synth_get_active_voice_count(synth_),
                        clock_.elapsed())) {
    case SongEndWatch::Verdict::Playing:
        return QStringLiteral("playing");
    case SongEndWatch::Verdict::ReleaseHeldNotes:
        // A file that never lets go of a note (or of the sustain pedal) still comes to an end.
        if (endTick_ < info_.totalTicks()) fluid_player_stop(player_);
        for (int channel = 0; channel < fluid_synth_count_midi_channels(synth_); ++channel)
            fluid_synth_cc(synth_, channel, kSustainPedal, 0);
        fluid_synth_all_notes_off(synth_, -1);
        return QStringLiteral("playing");
    case SongEndWatch::Verdict::SilenceAndEnd:
    case SongEndWatch::Verdict::Ended:
        heldTick_ = std::min(currentTick(), endTick_);
        dropPlayback();
        silence();
        return QStringLiteral("stopped");
    }
    return QStringLiteral("stopped");
}

qint64 FluidSong::positionMs() {
    return info_.tickToMs(std::min(currentTick(), info_.totalTicks()));
}

void FluidSong::close() {
    dropPlayback();
    silence();
    song_.clear();
    open_ = false;
    paused_ = false;
    heldTick_ = 0;
}

} // namespace Mci
