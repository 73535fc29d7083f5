#pragma once

#include <QtGlobal>

namespace Mci {

// Decides from what the player shows at each poll whether a playing song is over. A song ends when
// its position reaches the end and no note sounds any more; notes still held there (a file that never
// releases them) are let go, and silenced once a short release time has passed. A position that stops
// moving before the end (the sound server went away) ends the song too.
class SongEndWatch {
public:
    enum class Verdict { Playing, ReleaseHeldNotes, SilenceAndEnd, Ended };

    static constexpr qint64 kReleaseMs = 2000;
    static constexpr qint64 kStallMs = 2500;

    // The song starts (or resumes) at this tick at time nowMs.
    void start(qint64 tick, qint64 nowMs);
    // One poll: where the player is, whether it says it is finished, how many voices still sound.
    Verdict poll(qint64 tick, qint64 totalTicks, bool playerFinished, int activeVoices, qint64 nowMs);
    bool ended() const { return ended_; }

private:
    qint64 lastTick_ = 0;
    qint64 lastMoveMs_ = 0;
    qint64 endSeenMs_ = -1;
    bool ended_ = false;
};

} // namespace Mci
