#pragma once

#include "agent/engine/CharacterFile.h"

#include <functional>

// Walks through one animation's frames: the next frame, a weighted branch, or, once the animation
// is asked to end, the exits. Plain rules, no timer: the engine asks for the next frame when the
// current one's time is up.
class AnimationCursor {
public:
    // `percent()` gives a number 0..99 for the branches; random by default.
    explicit AnimationCursor(const CharacterAnimation& animation, std::function<int()> percent = {});

    const CharacterAnimation& Animation() const { return *animation_; }
    const CharacterFrame& Frame() const { return animation_->Frames.at(index_); }
    int Index() const { return index_; }
    // To the frame that follows the current one; false when the animation is over (the cursor then
    // stays on the last frame shown, which the figure holds).
    bool Advance();
    // From now on exits are taken and branches left, so even a looping animation comes to its end.
    void Exit() { exiting_ = true; }
    bool Exiting() const { return exiting_; }

private:
    const CharacterAnimation* animation_;
    std::function<int()> percent_;
    int index_ = 0;
    bool exiting_ = false;
    int stepsExiting_ = 0;
};
