#include "agent/engine/SpeakerVoice.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

namespace {
constexpr int kTickMs = 30;
constexpr int kStallMs = 2000; // a sound server that stops taking data does not keep the words waiting
} // namespace

SpeakerVoice::SpeakerVoice() {
    timer_.setInterval(kTickMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
}

SpeakerVoice::~SpeakerVoice() {
    OnFinished = nullptr;
    Stop();
}

void SpeakerVoice::Say(const QString& text, const QString& voice, int pitch, int rate) {
    Stop();
    audio_ = SynthesizeSpeech(text, voice, pitch, rate);
    nextWord_ = 0;
    if (audio_.Pcm.isEmpty()) {
        // Nothing to hear: the words still come, a word at a time at the speaking rate.
        const int words = int(text.simplified().split(u' ', Qt::SkipEmptyParts).size());
        const int msPerWord = 60000 / qBound(80, rate, 450);
        audio_.WordStartsMs.clear();
        for (int i = 0; i < words; ++i)
            audio_.WordStartsMs.append(i * msPerWord);
        audio_.DurationMs = words * msPerWord;
    }
    silent_ = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (soundEnabled_ && !audio_.Pcm.isEmpty() && !device.isNull()) {
        QAudioFormat format;
        format.setSampleRate(audio_.SampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (device.isFormatSupported(format)) {
            buffer_.setData(audio_.Pcm);
            buffer_.open(QIODevice::ReadOnly);
            sink_ = std::make_unique<QAudioSink>(device, format);
            sink_->start(&buffer_);
            silent_ = sink_->error() != QAudio::NoError;
            if (silent_) {
                sink_.reset();
                buffer_.close();
            }
        }
    }
    clock_.start();
    timer_.start();
    tick();
}

int SpeakerVoice::positionMs() const {
    if (silent_ || !sink_) return int(clock_.elapsed());
    return int(sink_->processedUSecs() / 1000);
}

void SpeakerVoice::tick() {
    const int at = positionMs();
    while (nextWord_ < audio_.WordStartsMs.size() && audio_.WordStartsMs.at(nextWord_) <= at) {
        ++nextWord_;
        if (OnWord) OnWord(nextWord_ - 1, 1);
    }
    if (OnMouth) {
        if (audio_.Pcm.isEmpty()) {
            OnMouth(at / 150 % 3 == 0 ? MouthShape::Narrow : MouthShape::Open);
        } else {
            const double loudness = SpeechLoudnessAt(audio_, at);
            OnMouth(loudness > 0.12   ? MouthShape::Open
                    : loudness > 0.03 ? MouthShape::Narrow
                                      : MouthShape::Closed);
        }
    }
    const bool played = silent_ ? at >= audio_.DurationMs
                                : (sink_->state() == QAudio::IdleState && buffer_.atEnd()) ||
                                      sink_->state() == QAudio::StoppedState;
    if (played || clock_.elapsed() > audio_.DurationMs + kStallMs) end();
}

void SpeakerVoice::end() {
    timer_.stop();
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    buffer_.close();
    while (nextWord_ < audio_.WordStartsMs.size()) {
        ++nextWord_;
        if (OnWord) OnWord(nextWord_ - 1, 1);
    }
    if (OnMouth) OnMouth(MouthShape::Closed);
    if (OnFinished) OnFinished();
}

void SpeakerVoice::Stop() {
    if (!timer_.isActive()) return;
    nextWord_ = int(audio_.WordStartsMs.size()); // no more words once silenced
    end();
}
