#include <exception>

#include "app/WindowChild.h"
#include "console/Command.h"
#include "console/ConsoleModes.h"
#include "console/InstallPaths.h"
#include "console/TextOutput.h"
#include "console/WindowProcessor.h"
#include "controller/ControllerHold.h"
#include "controller/HardwarePorts.h"
#include "controller/HeldPorts.h"
#include "controller/Module1.h"
#include "controller/Translation.h"

// lcdcrt on the real display controller. This program alone holds the port grant: it
// links no window code, runs the console modes itself and, for the window, starts the
// window program without port access and keeps the ports for it.
int main(int argc, char** argv) {
    lcdcrt::guardStandardStreams();
    lcdcrt::setUpTranslation(lcdcrt::localeDirectory());
    try {
        const lcdcrt::Command command = lcdcrt::readCommand(argc, argv, "lcdcrt");
        if (lcdcrt::answerInformationRequest(command, "lcdcrt")) {
            return 0;
        }
        lcdcrt::requireWindowProcessor(command, "lcdcrt");
        // Take the ports, then give up every capability.
        lcdcrt::Module1 hardware(lcdcrt::bindHardwarePorts(lcdcrt::acquirePortAccess()));
        lcdcrt::HeldPorts ports(hardware, lcdcrt::ControllerHold::kLockFile);
        if (command.mode == lcdcrt::Command::Mode::Window) {
            return lcdcrt::runWindowChild(lcdcrt::windowProgramPath("lcdcrt-window"), argv, ports);
        }
        lcdcrt::Module1 program([&]() -> lcdcrt::PortLibrary& { return ports; });
        return lcdcrt::runConsoleMode(command, program);
    } catch (const std::exception& error) {
        return lcdcrt::reportFatalErrorText(error.what());
    }
}
