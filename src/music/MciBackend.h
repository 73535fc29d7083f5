#pragma once

#include <QString>

namespace Midi {

// Whatever answers the command strings: the FluidSynth device in the program, a recording fake in
// tests. Send returns the reply text, or the error code written as decimal text.
class MciBackend {
public:
    virtual ~MciBackend() = default;
    virtual QString Send(const QString& command) = 0;
    // The message for an error code, or an empty text when the code is unknown.
    virtual QString ErrorText(quint32 code) = 0;
};

// Puts a backend in place (not owned; null restores the program's own device). Returns the previous one.
MciBackend* SetBackend(MciBackend* backend);

} // namespace Midi
