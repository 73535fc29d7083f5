#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// A recording from the microphone: Start, then Stop. The callbacks come on the thread that owns the
// capture, one of OnStarted or OnFailed after Start, and OnFinished after Stop once it had started.
class AudioCapture {
public:
    virtual ~AudioCapture() = default;
    virtual void Start() = 0;
    virtual void Stop() = 0;

    std::function<void()> OnStarted;
    std::function<void(const QString& problem)> OnFailed;
    std::function<void(const QByteArray& pcm)> OnFinished; // 16 kHz mono 16-bit
};
