#pragma once

#include <cstdint>
#include <cstdio>

#include "controller/DisplayController.h"

namespace lcdcrt {

// How lcdcrt-sim is set up, from its environment:
//   LCDCRT_SIM_ID          what register 0x45 reads (default 0x80, the expected controller)
//   LCDCRT_SIM_LOG         the file the port log goes to (default: standard error)
//   LCDCRT_SIM_EXIT_AFTER  end with status 0 right after this many port accesses
struct SimulatorSettings {
    std::uint8_t identity = kProbeIdentity;
    std::FILE* log = stderr;
    unsigned long exitAfter = 0;  // 0: never
};

// Throws FatalError naming the variable whose value is unusable.
SimulatorSettings readSimulatorSettings();

}  // namespace lcdcrt
