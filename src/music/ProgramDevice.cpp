#include "music/ProgramDevice.h"

#include "music/fluid/FluidDevice.h"

namespace Midi {

MciBackend& ProgramDevice() {
    static Mci::FluidDevice device;
    return device;
}

} // namespace Midi
