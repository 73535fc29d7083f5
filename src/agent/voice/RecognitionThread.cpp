#include "agent/voice/RecognitionThread.h"

#include <memory>

class RecognitionThread::Worker : public QObject {
public:
    std::unique_ptr<CommandRecogniser> recogniser;
};

RecognitionThread::RecognitionThread(const CommandSet& commands, const SpeechModel& model)
    : commands_(commands)
    , model_(model) {
    thread_.setObjectName(QStringLiteral("Voice commands"));
}

RecognitionThread::~RecognitionThread() {
    thread_.quit(); // what is queued for the worker is dropped with it
    thread_.wait();
    delete worker_;
}

void RecognitionThread::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    worker_ = new Worker;
    worker_->moveToThread(&thread_);
    thread_.start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        worker_,
        [this, worker = worker_, commands = commands_, model = model_] {
            worker->recogniser = std::make_unique<CommandRecogniser>(commands, model);
            if (worker->recogniser->Available()) return;
            const QString problem = worker->recogniser->Problem();
            QMetaObject::invokeMethod(
                this,
                [this, problem] {
                    if (OnUnavailable) OnUnavailable(problem);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void RecognitionThread::Recognise(const QByteArray& pcm) {
    Prepare();
    QMetaObject::invokeMethod(
        worker_,
        [this, worker = worker_, pcm] {
            const QString name = worker->recogniser->Recognise(pcm);
            QMetaObject::invokeMethod(
                this,
                [this, name] {
                    if (OnRecognised) OnRecognised(name);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}
