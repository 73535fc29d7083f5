#include "app/SignalRelay.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int pipeEnds[2] = {-1, -1};

volatile sig_atomic_t endingSignal = 0;

void endAtOnce(int) {
    ::_exit(128 + int(endingSignal));
}

void onSignal(int number) {
    const unsigned char byte = static_cast<unsigned char>(number);
    // Nothing but a write is safe here; a full pipe already holds a request to end.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    // Should the window thread be held up (a start-up that waits on something), the program still
    // ends a few seconds later; bookmarks and cards are on the disk after every change.
    if (!endingSignal) {
        endingSignal = number;
        ::alarm(SignalRelay::kGraceSeconds);
    }
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
} // namespace

SignalRelay::SignalRelay(QObject* parent)
    : QObject(parent) {
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        int last = 0;
        while (::read(pipeEnds[0], &byte, 1) == 1)
            last = byte;
        if (!last) return;
        received_ = last;
        emit endRequested(last);
    });
    struct sigaction stop = {};
    stop.sa_handler = endAtOnce;
    sigemptyset(&stop.sa_mask);
    ::sigaction(SIGALRM, &stop, nullptr);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        ::sigaction(number, &action, nullptr);
}

SignalRelay::~SignalRelay() {
    if (!notifier_) return;
    for (int number : kSignals)
        ::signal(number, SIG_DFL);
    // Whoever listened has seen the request through.
    ::alarm(0);
    ::signal(SIGALRM, SIG_DFL);
    endingSignal = 0;
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}
