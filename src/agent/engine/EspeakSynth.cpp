#include "agent/engine/EspeakSynth.h"

#include <espeak-ng/speak_lib.h>

#include <QMutex>
#include <cmath>

namespace {
// espeak-ng keeps one synthesiser for the whole process.
QMutex synthLock;
int sampleRate = 0;
bool initialised = false;

int collect(short* samples, int count, espeak_EVENT* events) {
    auto* out = static_cast<SpeechAudio*>(events->user_data);
    if (samples && count > 0) out->Pcm.append(reinterpret_cast<const char*>(samples), qsizetype(count) * 2);
    for (espeak_EVENT* event = events; event->type != espeakEVENT_LIST_TERMINATED; ++event)
        if (event->type == espeakEVENT_WORD) out->WordStartsMs.append(event->audio_position);
    return 0; // go on
}
} // namespace

SpeechAudio SynthesizeSpeech(const QString& text, const QString& voice, int pitch, int rate) {
    SpeechAudio audio;
    const QByteArray utf8 = text.simplified().toUtf8();
    if (utf8.isEmpty()) {
        audio.Problem = QStringLiteral("there is nothing to say");
        return audio;
    }
    QMutexLocker lock(&synthLock);
    if (!initialised) {
        initialised = true;
        sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (sampleRate > 0) espeak_SetSynthCallback(collect);
    }
    if (sampleRate <= 0) {
        audio.Problem = QStringLiteral("espeak-ng or its voice data is not installed");
        return audio;
    }
    if (espeak_SetVoiceByName(voice.toUtf8().constData()) != EE_OK && espeak_SetVoiceByName("en") != EE_OK) {
        audio.Problem = QStringLiteral("espeak-ng has no English voice");
        return audio;
    }
    espeak_SetParameter(espeakRATE, qBound(espeakRATE_MINIMUM, rate, espeakRATE_MAXIMUM), 0);
    espeak_SetParameter(espeakPITCH, qBound(0, pitch, 99), 0);
    audio.SampleRate = sampleRate;
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size() + 1), 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &audio);
    if (result != EE_OK || audio.Pcm.isEmpty()) {
        audio.Problem = QStringLiteral("espeak-ng could not synthesise the text");
        audio.Pcm.clear();
        return audio;
    }
    audio.DurationMs = int(qint64(audio.Pcm.size() / 2) * 1000 / sampleRate);
    return audio;
}

double SpeechLoudnessAt(const SpeechAudio& audio, int ms, int windowMs) {
    if (audio.SampleRate <= 0) return 0;
    const auto* samples = reinterpret_cast<const qint16*>(audio.Pcm.constData());
    const qint64 count = audio.Pcm.size() / 2;
    const qint64 from = qBound<qint64>(0, qint64(ms - windowMs / 2) * audio.SampleRate / 1000, count);
    const qint64 to = qBound<qint64>(0, qint64(ms + windowMs / 2) * audio.SampleRate / 1000, count);
    if (to <= from) return 0;
    double sum = 0;
    for (qint64 i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(to - from)) / 32768.0;
}
