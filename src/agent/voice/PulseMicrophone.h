#pragma once

#include "agent/voice/AudioCapture.h"

#include <QObject>
#include <atomic>
#include <thread>

// Records the sound server's default source at 16 kHz mono on a thread of its own, so that neither
// connecting nor reading ever waits on the window's thread. A recording ends by itself after
// kMaxSeconds, in case the key's release never arrives.
class PulseMicrophone : public QObject, public AudioCapture {
    Q_OBJECT
public:
    static constexpr int kMaxSeconds = 15;

    PulseMicrophone();
    ~PulseMicrophone() override;

    void Start() override;
    void Stop() override;

private:
    void record();
    // Hands a callback to the owner's thread; dropped when the owner is gone by then.
    void post(std::function<void()> call);

    std::thread thread_;
    std::atomic<bool> stop_{false};
};
