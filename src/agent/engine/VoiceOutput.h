#pragma once

#include "agent/engine/CharacterFile.h"

#include <QString>
#include <functional>

// Where the character's speech goes: a real voice on the sound server, or a silent one that keeps
// the same timing. One utterance at a time; Say ends the one before.
class VoiceOutput {
public:
    virtual ~VoiceOutput() = default;
    virtual void Say(const QString& text, const QString& voice, int pitch, int rate) = 0;
    // Ends the utterance at once; OnFinished follows.
    virtual void Stop() = 0;
    // Off: the same timing, without sound.
    virtual void SetSoundEnabled(bool) {}

    std::function<void(int position, int length)> OnWord; // a word of the text is heard
    std::function<void(MouthShape)> OnMouth;
    std::function<void()> OnFinished;
};
