#include "agent/engine/SpeakerVoice.h"

#include "agent/engine/Speech.h"

SpeakerVoice::SpeakerVoice()
    : speaker_(std::make_unique<Speaker>()) {
    QObject::connect(speaker_.get(), &Speaker::wordStarted, [this](int position, int length) {
        if (OnWord) OnWord(position, length);
    });
    QObject::connect(speaker_.get(), &Speaker::mouthChanged, [this](int shape) {
        if (OnMouth) OnMouth(MouthShape(qBound(0, shape, 2)));
    });
    QObject::connect(speaker_.get(), &Speaker::finished, [this] {
        if (OnFinished) OnFinished();
    });
}

SpeakerVoice::~SpeakerVoice() {
    OnWord = nullptr;
    OnMouth = nullptr;
    OnFinished = nullptr;
    speaker_->Stop();
}

void SpeakerVoice::Say(const QString& text, const QString& voice, int pitch, int rate) {
    speaker_->Say(text, SpeechVoice{voice, pitch, rate});
}

void SpeakerVoice::Stop() {
    if (speaker_->Speaking()) speaker_->Stop();
}

void SpeakerVoice::SetSoundEnabled(bool on) {
    speaker_->SetSoundEnabled(on);
}
