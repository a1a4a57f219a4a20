#include <cstdio>
#include <cstdlib>

#include "app/CommandLine.h"
#include "app/SimulatorSettings.h"
#include "controller/Module1.h"
#include "controller/SimulatedController.h"
#include "window/FatalErrorReport.h"
#include "window/Program.h"

// lcdcrt on a simulated display controller, logging every port access it makes.
int main(int argc, char** argv) {
    const std::string text = lcdcrt::joinArguments(argc, argv);
    if (const auto answer = lcdcrt::informationRequest(text, "lcdcrt-sim")) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    lcdcrt::SimulatorSettings settings;
    try {
        settings = lcdcrt::readSimulatorSettings();
    } catch (const std::exception& error) {
        return lcdcrt::reportFatalError(error.what());
    }

    lcdcrt::SimulatedController chip(settings.identity);
    unsigned long accesses = 0;
    chip.setObserver([&](const lcdcrt::PortAccess& access) {
        std::fprintf(settings.log, "%s\n", lcdcrt::toAnnotatedText(access).c_str());
        std::fflush(settings.log);
        if (++accesses == settings.exitAfter) {
            std::_Exit(0);
        }
    });
    lcdcrt::Module1 ports([&]() -> lcdcrt::PortLibrary& { return chip; });
    return lcdcrt::runProgram(argv[0], text, ports);
}
