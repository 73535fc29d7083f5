#pragma once

#include "agent/engine/EspeakSynth.h"
#include "agent/engine/VoiceOutput.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

class QAudioSink;

// The character's voice: espeak-ng speech played through the desktop's sound server. Without an
// audio output, or with the sound switched off, the words keep the same timing in silence.
class SpeakerVoice : public VoiceOutput {
public:
    SpeakerVoice();
    ~SpeakerVoice() override;

    void Say(const QString& text, const QString& voice, int pitch, int rate) override;
    void Stop() override;
    void SetSoundEnabled(bool on) override { soundEnabled_ = on; }
    bool Playing() const { return timer_.isActive(); }

private:
    void tick();
    void end();
    int positionMs() const;

    SpeechAudio audio_;
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer timer_;
    QElapsedTimer clock_;
    int nextWord_ = 0;
    bool soundEnabled_ = true;
    bool silent_ = false;
};
