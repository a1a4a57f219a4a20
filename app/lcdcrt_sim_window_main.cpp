#include <exception>

#include "app/SimulatorPorts.h"
#include "app/SimulatorSettings.h"
#include "console/Command.h"
#include "console/InstallPaths.h"
#include "console/TextOutput.h"
#include "controller/Module1.h"
#include "controller/Translation.h"
#include "window/Program.h"

// The window of lcdcrt-sim, with the simulated controller in this process.
int main(int argc, char** argv) {
    lcdcrt::setUpTranslation(lcdcrt::localeDirectory());
    try {
        lcdcrt::SimulatorPorts simulator(lcdcrt::readSimulatorSettings());
        lcdcrt::Module1 ports([&]() -> lcdcrt::PortLibrary& { return simulator.ports(); });
        return lcdcrt::runProgram(argv[0], lcdcrt::joinArguments(argc, argv), ports);
    } catch (const std::exception& error) {
        return lcdcrt::reportFatalErrorText(error.what());
    }
}
