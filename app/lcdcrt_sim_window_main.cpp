#include <exception>

#include "base/InstallPaths.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "console/Command.h"
#include "controller/Module1.h"
#include "simulator/Simulator.h"
#include "simulator/SimulatorSettings.h"
#include "window/Program.h"

// The window of lcdcrt-sim, with the simulated controller in this process.
int main(int argc, char** argv) {
    lcdcrt::setUpTranslation(lcdcrt::localeDirectory());
    try {
        lcdcrt::Simulator simulator(lcdcrt::readSimulatorSettings());
        lcdcrt::Module1 ports([&]() -> lcdcrt::PortLibrary& { return simulator.ports(); });
        return lcdcrt::runProgram(argv[0], lcdcrt::joinArguments(argc, argv), ports);
    } catch (const std::exception& error) {
        return lcdcrt::reportFatalErrorText(error.what());
    }
}
