#include "simulator/Simulator.h"

#include <cerrno>
#include <cstdlib>

#include "base/ExitStatus.h"
#include "base/FatalError.h"
#include "base/TextOutput.h"
#include "base/Translation.h"

namespace lcdcrt {

Simulator::Simulator(const SimulatorSettings& settings)
    : chip_(settings.identity), logPath_(settings.logPath), exitAfter_(settings.exitAfter) {
    if (!logPath_.empty()) {
        logName_ = N_("the port log LCDCRT_SIM_LOG=\"%s\"");
        log_ = std::fopen(logPath_.c_str(), "we");
        if (log_ == nullptr) {
            throw cannotWrite(logName_, logPath_.c_str(), errno);
        }
    }
    chip_.setObserver([this](const PortAccess& access) { logAccess(access); });
    if (!settings.statePath.empty()) {
        stateFile_.emplace(chip_, settings.statePath);
        held_.emplace(*stateFile_, LockFile{settings.statePath + ".lock", false});
    }
}

Simulator::~Simulator() {
    if (log_ != stderr) {
        std::fclose(log_);
    }
}

PortLibrary& Simulator::ports() {
    if (held_) {
        return *held_;
    }
    return chip_;
}

void Simulator::logAccess(const PortAccess& access) {
    writeText(log_, toAnnotatedText(access) + "\n", logName_, logPath_.c_str());
    if (++accesses_ == exitAfter_) {
        std::_Exit(kExitEnded);
    }
}

}  // namespace lcdcrt
