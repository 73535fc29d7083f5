#pragma once

#include "agent/engine/VoiceOutput.h"

#include <memory>

class Speaker;

// The character's voice: espeak-ng speech played through the desktop's sound server, or, without an
// audio output or with the sound switched off, the same words at the same pace in silence.
class SpeakerVoice : public VoiceOutput {
public:
    SpeakerVoice();
    ~SpeakerVoice() override;

    void Say(const QString& text, const QString& voice, int pitch, int rate) override;
    void Stop() override;
    void SetSoundEnabled(bool on) override;

private:
    std::unique_ptr<Speaker> speaker_;
};
