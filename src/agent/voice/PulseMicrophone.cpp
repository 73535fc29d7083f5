#include "agent/voice/PulseMicrophone.h"

#include "agent/voice/CommandRecogniser.h"

#include <pulse/error.h>
#include <pulse/simple.h>

namespace {
constexpr int kBytesPerSecond = CommandRecogniser::kSampleRate * 2;
constexpr uint32_t kFragmentBytes = kBytesPerSecond / 20; // 50 ms: a release is heard promptly
} // namespace

PulseMicrophone::PulseMicrophone() = default;

PulseMicrophone::~PulseMicrophone() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void PulseMicrophone::Start() {
    stop_ = true;
    if (thread_.joinable()) thread_.join(); // at most one fragment's wait
    stop_ = false;
    thread_ = std::thread([this] { record(); });
}

void PulseMicrophone::Stop() {
    stop_ = true;
}

void PulseMicrophone::post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void PulseMicrophone::record() {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(CommandRecogniser::kSampleRate), 1};
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(-1);
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = kFragmentBytes;
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "Glisterwood 99", PA_STREAM_RECORD, nullptr, "Voice commands",
                                      &spec, nullptr, &attr, &error);
    if (!stream) {
        const QString problem = QString::fromUtf8(pa_strerror(error));
        post([this, problem] {
            if (OnFailed) OnFailed(problem);
        });
        return;
    }
    post([this] {
        if (OnStarted) OnStarted();
    });
    QByteArray pcm;
    QByteArray fragment(kFragmentBytes, Qt::Uninitialized);
    while (!stop_ && pcm.size() < kMaxSeconds * kBytesPerSecond) {
        if (pa_simple_read(stream, fragment.data(), size_t(fragment.size()), &error) < 0) break;
        pcm += fragment;
    }
    pa_simple_free(stream);
    post([this, pcm] {
        if (OnFinished) OnFinished(pcm);
    });
}
