#include "music/fluid/SongEndWatch.h"

namespace Mci {

void SongEndWatch::start(qint64 tick, qint64 nowMs) {
    lastTick_ = tick;
    lastMoveMs_ = nowMs;
    endSeenMs_ = -1;
    ended_ = false;
}

SongEndWatch::Verdict SongEndWatch::poll(qint64 tick, qint64 totalTicks, bool playerFinished,
                                         int activeVoices, qint64 nowMs) {
    if (ended_) return Verdict::Ended;
    if (tick != lastTick_) {
        lastTick_ = tick;
        lastMoveMs_ = nowMs;
    }
    const bool atEnd = playerFinished || tick >= totalTicks;
    if (atEnd) {
        if (activeVoices <= 0) {
            ended_ = true;
            return Verdict::Ended;
        }
        if (endSeenMs_ < 0) {
            endSeenMs_ = nowMs;
            return Verdict::ReleaseHeldNotes;
        }
        if (nowMs - endSeenMs_ >= kReleaseMs) {
            ended_ = true;
            return Verdict::SilenceAndEnd;
        }
        return Verdict::Playing;
    }
    if (nowMs - lastMoveMs_ >= kStallMs) {
        ended_ = true;
        return Verdict::SilenceAndEnd;
    }
    return Verdict::Playing;
}

} // namespace Mci
