#include "app/StartupTrace.h"

#include <QElapsedTimer>
#include <QtGlobal>
#include <cstdio>

namespace {
QElapsedTimer& startClock() {
    static QElapsedTimer timer;
    return timer;
}
bool tracing() {
    static const bool on = qEnvironmentVariableIsSet("GLISTERWOOD_BENCH");
    return on;
}
} // namespace

void StartupTrace::Begin() {
    startClock().start();
}

void StartupTrace::Step(const char* name) {
    if (!tracing() || !startClock().isValid()) return;
    std::printf("bench: step %s %lld\n", name, static_cast<long long>(startClock().elapsed()));
    std::fflush(stdout);
}
