#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "base/Translation.h"
#include "controller/HeldPorts.h"
#include "simulator/SimulatedController.h"
#include "simulator/SimulatorSettings.h"
#include "simulator/SimulatorStateFile.h"

namespace lcdcrt {

// The simulated controller as lcdcrt-sim's settings ask for it: every access logged as
// one line, the process ended after a set number of accesses, and, with a state file,
// the registers kept in it under a lock beside it, one sequence at a time.
class Simulator {
  public:
    // Opens the port log; throws FatalError when it cannot.
    explicit Simulator(const SimulatorSettings& settings);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    PortLibrary& ports();

  private:
    void logAccess(const PortAccess& access);

    SimulatedController chip_;
    std::string logPath_;  // empty: standard error
    std::FILE* log_ = stderr;
    const char* logName_ = N_("the port log to standard error");
    unsigned long exitAfter_;
    unsigned long accesses_ = 0;
    std::optional<SimulatorStateFile> stateFile_;
    std::optional<HeldPorts> held_;
};

}  // namespace lcdcrt
