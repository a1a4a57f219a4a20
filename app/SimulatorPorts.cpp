#include "app/SimulatorPorts.h"

#include <cerrno>
#include <cstdlib>

#include "console/TextOutput.h"
#include "controller/ExitStatus.h"
#include "controller/FatalError.h"
#include "controller/Translation.h"

namespace lcdcrt {

SimulatorPorts::SimulatorPorts(const SimulatorSettings& settings)
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

SimulatorPorts::~SimulatorPorts() {
    if (log_ != stderr) {
        std::fclose(log_);
    }
}

PortLibrary& SimulatorPorts::ports() {
    if (held_) {
        return *held_;
    }
    return chip_;
}

void SimulatorPorts::logAccess(const PortAccess& access) {
    writeText(log_, toAnnotatedText(access) + "\n", logName_, logPath_.c_str());
    if (++accesses_ == exitAfter_) {
        std::_Exit(kExitEnded);
    }
}

}  // namespace lcdcrt
