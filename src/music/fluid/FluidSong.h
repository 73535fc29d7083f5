#pragma once

#include "music/fluid/SmfInfo.h"
#include "music/fluid/SongEndWatch.h"

#include <QElapsedTimer>
#include <QString>
#include <fluidsynth/types.h>
#include <optional>

namespace Mci {

// One alias of the device: its own synth (kept while the program runs, so a new song starts quickly),
// the player of the song it holds and the audio driver that renders it while it plays.
class FluidSong {
public:
    explicit FluidSong(QString alias);
    ~FluidSong();
    FluidSong(const FluidSong&) = delete;
    FluidSong& operator=(const FluidSong&) = delete;

    // Takes a checked song; 0 or an error code (the SoundFont could not be loaded).
    quint32 open(const QByteArray& song, const SmfInfo& info);
    bool isOpen() const { return open_; }
    // Starts at fromMs, or where the song stands; ends early at toMs.
    quint32 play(std::optional<qint64> fromMs, std::optional<qint64> toMs);
    void pause();
    void resume();
    void stop();
    void seek(qint64 ms);
    // "playing", "paused" or "stopped"; a poll while playing also finds the end of the song.
    QString mode();
    qint64 positionMs();
    qint64 lengthMs() const { return info_.lengthMs(); }
    // Gives up the song and the output; the synth stays for the next song.
    void close();

private:
    quint32 ensureSynth();
    void dropPlayback();
    qint64 currentTick() const;
    void silence();
    void seekOnceLoaded(qint64 tick);

    QString alias_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    QByteArray song_;
    SmfInfo info_;
    bool open_ = false;
    bool playing_ = false;
    bool paused_ = false;
    qint64 heldTick_ = 0; // where a stopped, sought or paused song stands
    qint64 endTick_ = 0;
    SongEndWatch watch_;
    QElapsedTimer clock_;
};

} // namespace Mci
