#pragma once

#include "music/MciBackend.h"

namespace Midi {

// The program's own device behind the command strings.
MciBackend& ProgramDevice();

} // namespace Midi
