#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A sentence synthesised with espeak-ng into memory.
struct SpeechAudio {
    QByteArray Pcm; // 16-bit signed mono samples, in the machine's byte order
    int SampleRate = 0;
    QList<int> WordStartsMs; // when each word begins
    int DurationMs = 0;
    QString Problem; // why nothing could be said, "" when it worked
};

// Voice is an espeak-ng voice name ("en-gb"); an unknown one falls back to plain English. Pitch
// 0..99, rate in words a minute.
SpeechAudio SynthesizeSpeech(const QString& text, const QString& voice, int pitch, int rate);

// The loudness of the samples around a moment, 0..1.
double SpeechLoudnessAt(const SpeechAudio& audio, int ms, int windowMs = 60);
