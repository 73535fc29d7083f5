#pragma once

#include "agent/commands/CommandSet.h"

#include <QByteArray>
#include <QString>

struct ps_decoder_s;

// Where the acoustic model and the pronouncing dictionary are.
struct SpeechModel {
    QString AcousticModel; // folder
    QString Dictionary;    // file
    // The system's US English model, or the folder named by GLISTERWOOD_SPEECH_MODEL.
    static SpeechModel Installed();
};

// Hears which command of the set a recording says, with PocketSphinx and a grammar of the voice texts.
// Loading the model takes a moment and recognising a second of sound some milliseconds: both block,
// so keep the object on a thread of its own. Not for use from two threads at once.
class CommandRecogniser {
public:
    static constexpr int kSampleRate = 16000; // the model's rate: mono, 16-bit signed, native order

    explicit CommandRecogniser(const CommandSet& commands,
                               const SpeechModel& model = SpeechModel::Installed());
    ~CommandRecogniser();
    CommandRecogniser(const CommandRecogniser&) = delete;
    CommandRecogniser& operator=(const CommandRecogniser&) = delete;

    // False when the model is missing or unreadable, or no command can be said; Problem() says why.
    bool Available() const { return decoder_ != nullptr; }
    QString Problem() const { return problem_; }
    const QString& Grammar() const { return grammar_; }

    // The name of the command the audio says, or "" when it says none (or cannot be heard at all).
    QString Recognise(const QByteArray& pcm);
    // The words heard, before they are matched to a command; "" when the sound was no command.
    QString Hear(const QByteArray& pcm);

private:
    CommandSet commands_;
    QString grammar_;
    QString problem_;
    ps_decoder_s* decoder_ = nullptr;
};
