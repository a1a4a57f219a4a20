#include "app/SimulatorPorts.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "console/TextOutput.h"
#include "controller/FatalError.h"
#include "controller/Translation.h"

namespace lcdcrt {

SimulatorPorts::SimulatorPorts(const SimulatorSettings& settings)
    : chip_(settings.identity),
      logName_(tr("the port log to standard error")),
      exitAfter_(settings.exitAfter) {
    if (!settings.logPath.empty()) {
        logName_ = formatted(tr("the port log LCDCRT_SIM_LOG=\"%s\""), settings.logPath.c_str());
        log_ = std::fopen(settings.logPath.c_str(), "we");
        if (log_ == nullptr) {
            throw FatalError(
                formatted(tr("cannot write %s: %s"), logName_.c_str(), std::strerror(errno)));
        }
    }
    chip_.setObserver([this](const PortAccess& access) { logAccess(access); });
    if (!settings.statePath.empty()) {
        stateFile_.emplace(chip_, settings.statePath);
        held_.emplace(*stateFile_, settings.statePath + ".lock");
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
    writeText(log_, toAnnotatedText(access) + "\n", logName_);
    if (++accesses_ == exitAfter_) {
        std::_Exit(0);
    }
}

}  // namespace lcdcrt
