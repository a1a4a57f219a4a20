#pragma once

#include <cstdint>
#include <string>

#include "controller/DisplayController.h"

namespace lcdcrt {

// How lcdcrt-sim is set up, from its environment:
//   LCDCRT_SIM_ID          what register 0x45 reads (default 0x80, the expected controller)
//   LCDCRT_SIM_LOG         the file the port log goes to (default: standard error)
//   LCDCRT_SIM_EXIT_AFTER  end with status 0 right after this many port accesses
//   LCDCRT_SIM_STATE       a file that keeps the registers from one run to the next
struct SimulatorSettings {
    std::uint8_t identity = kProbeIdentity;
    std::string logPath;          // empty: standard error
    unsigned long exitAfter = 0;  // 0: never
    std::string statePath;        // empty: every run starts at power-on
};

// Throws FatalError naming the variable whose value is unusable.
SimulatorSettings readSimulatorSettings();

}  // namespace lcdcrt
