#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class QAudioSink;
class QBuffer;

struct SpeechVoice {
    QString Name = QStringLiteral("en"); // espeak-ng voice name
    int Pitch = 50;                      // 0-99
    int Rate = 170;                      // words per minute
};

// Positions are QString indices (UTF-16) into the text that was given.
struct SpokenWord {
    int TextPosition = 0;
    int TextLength = 0;
    int StartMs = 0;
};

struct SpeechAudio {
    QByteArray Pcm;          // 16-bit signed mono little-endian samples
    int SampleRate = 0;      // from espeak-ng (22050)
    QList<SpokenWord> Words; // every word, in order, with the time it starts
    int DurationMs = 0;
    QString Problem;   // why nothing could be synthesised, "" when it worked
    QString VoiceName; // the voice that spoke: the default one when the asked-for voice does not exist
};

// Synthesises the whole text into memory with espeak-ng; the calling thread waits for it.
SpeechAudio SynthesizeSpeech(const QString& text, const SpeechVoice& voice);
// Estimated word timings for speech without sound (no Pcm), at the same words per minute.
SpeechAudio SilentSpeech(const QString& text, int rate);

// A long text is said in pieces that end at a sentence where they can: the first one short, so that
// speaking starts at once, the rest synthesised while the one before plays.
struct SpeechPiece {
    int Offset = 0; // where the piece starts in the whole text
    QString Text;
};
QList<SpeechPiece> SplitForSpeech(const QString& text);

enum SpeechMouth { MouthClosed = 0, MouthNarrow = 1, MouthOpen = 2 };
// The mouth at a moment of an utterance: from the loudness of the ~60 ms of sound around it, or, for
// audio without sound, from where the moment falls within a word.
int MouthShapeAt(const SpeechAudio& audio, int ms);

// Says one utterance at a time: plays it through the sound server and reports each word as it is heard,
// and the mouth opening from the loudness of what is being played. Every Say() ends with exactly one
// finished(), also when it is cut short by Stop() or by the next Say().
//
// Without sound (switched off, no output device, the sink failing, or espeak-ng missing) the words come
// on the same timetable from a clock. The mouth still follows the synthesised sound when there is some,
// so the character looks the same whether the speakers are on or not.
class Speaker : public QObject {
    Q_OBJECT
public:
    explicit Speaker(QObject* parent = nullptr);
    ~Speaker() override;
    void Say(const QString& text, const SpeechVoice& voice); // ends what is being said first
    void Stop();                                             // silence at once; emits finished()
    bool Speaking() const { return speaking_; }
    // Off silences what is being said and goes on by the clock; on takes effect with the next Say().
    void SetSoundEnabled(bool on);
    bool SoundEnabled() const { return soundEnabled_; }
    bool AudioAvailable() const; // an output device exists
    // Whether the current utterance is going to the sound server (false when it is timed by the clock).
    bool PlayingSound() const { return sink_ != nullptr; }

signals:
    void wordStarted(int textPosition, int textLength);
    void mouthChanged(int shape); // SpeechMouth
    void finished();

private:
    bool StartSound();
    // Plays the next piece of the utterance; its audio has been synthesised.
    void BeginPiece(SpeechAudio audio);
    // Synthesises the piece after the one playing, off this thread.
    void PrepareNextPiece();
    // The piece on show ended: on to the next, or the end of the utterance.
    void EndPiece();
    void ContinueSilently(); // from where the sound had got to
    void StopSound();
    void Poll();
    void Finish();
    int PositionMs() const;
    void SinkStateChanged();

    SpeechAudio audio_; // the piece being said, positions in the whole text
    QList<SpeechPiece> pieces_;
    int piece_ = 0;
    SpeechVoice voice_;
    std::optional<SpeechAudio> nextAudio_; // synthesised ahead
    bool waitingForPiece_ = false;
    QAudioSink* sink_ = nullptr;
    QBuffer* buffer_ = nullptr;
    QTimer poll_;
    QTimer safety_;
    QElapsedTimer clock_;
    int clockStartMs_ = 0;
    int nextWord_ = 0;
    int mouth_ = MouthClosed;
    int lastPositionMs_ = -1;
    QElapsedTimer sinceAdvance_;
    bool soundBegan_ = false;
    bool allWritten_ = false;
    bool speaking_ = false;
    bool soundEnabled_ = true;
    quint64 utterance_ = 0; // changes with every Say/Stop, so a handler of our own signal can call either
};
