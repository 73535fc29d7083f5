#include "agent/engine/AnimationCursor.h"

#include <QRandomGenerator>

AnimationCursor::AnimationCursor(const CharacterAnimation& animation, std::function<int()> percent)
    : animation_(&animation)
    , percent_(std::move(percent)) {
    if (!percent_) percent_ = [] { return int(QRandomGenerator::global()->bounded(100)); };
}

bool AnimationCursor::Advance() {
    const int count = int(animation_->Frames.size());
    const CharacterFrame& frame = Frame();
    int next = index_ + 1;
    if (exiting_) {
        // Exits may point anywhere; a bound on the steps keeps a badly made loop from running forever.
        if (++stepsExiting_ > 2 * count) return false;
        if (frame.Exit >= 0) next = frame.Exit;
    } else {
        const int roll = percent_();
        int below = 0;
        for (const CharacterBranch& branch : frame.Branches) {
            below += branch.Weight;
            if (roll < below) {
                next = branch.Frame;
                break;
            }
        }
    }
    if (next >= count) return false;
    index_ = next;
    return true;
}
