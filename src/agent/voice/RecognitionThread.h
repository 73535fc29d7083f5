#pragma once

#include "agent/commands/CommandSet.h"
#include "agent/voice/CommandRecogniser.h"
#include "agent/voice/VoiceRecogniser.h"

#include <QObject>
#include <QThread>

// A CommandRecogniser on a thread of its own: the model loads and the recordings are recognised there,
// one after another, and the window's thread only hears the results.
class RecognitionThread : public QObject, public VoiceRecogniser {
    Q_OBJECT
public:
    explicit RecognitionThread(const CommandSet& commands,
                               const SpeechModel& model = SpeechModel::Installed());
    ~RecognitionThread() override;

    void Prepare() override;
    void Recognise(const QByteArray& pcm) override;

private:
    class Worker;
    CommandSet commands_;
    SpeechModel model_;
    QThread thread_;
    Worker* worker_ = nullptr; // lives on thread_
    bool prepared_ = false;
};
