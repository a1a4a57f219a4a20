#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <string>

#include "base/ExitStatus.h"
#include "base/FatalError.h"
#include "base/InstallPaths.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "console/Command.h"
#include "console/ConsoleModes.h"
#include "console/WindowProcessor.h"
#include "controller/Module1.h"
#include "simulator/Simulator.h"
#include "simulator/SimulatorSettings.h"

// lcdcrt on a simulated display controller, logging every port access it makes. The
// console modes run here; the window is the window program, which this process becomes.
int main(int argc, char** argv) {
    lcdcrt::guardStandardStreams();
    lcdcrt::setUpTranslation(lcdcrt::localeDirectory());
    try {
        const lcdcrt::Command command = lcdcrt::readCommand(argc, argv, "lcdcrt-sim");
        if (lcdcrt::answerInformationRequest(command, "lcdcrt-sim")) {
            return lcdcrt::kExitEnded;
        }
        lcdcrt::requireWindowProcessor(command, "lcdcrt-sim");
        const lcdcrt::SimulatorSettings settings = lcdcrt::readSimulatorSettings();
        if (command.mode == lcdcrt::Command::Mode::Window) {
            const std::string window = lcdcrt::windowProgramPath("lcdcrt-sim-window");
            execv(window.c_str(), argv);
            throw lcdcrt::FatalError(
                lcdcrt::formatted(lcdcrt::tr("cannot start the window program %s: %s"),
                                  window.c_str(), lcdcrt::errorText(errno)));
        }
        lcdcrt::Simulator simulator(settings);
        lcdcrt::Module1 ports([&]() -> lcdcrt::PortLibrary& { return simulator.ports(); });
        return lcdcrt::runConsoleMode(command, ports);
    } catch (const std::exception& error) {
        return lcdcrt::reportFatalErrorText(error.what());
    }
}
