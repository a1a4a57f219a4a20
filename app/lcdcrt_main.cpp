#include <cstdio>

#include "app/CommandLine.h"
#include "controller/HardwarePorts.h"
#include "controller/Module1.h"
#include "window/Program.h"

// lcdcrt on the real display controller.
int main(int argc, char** argv) {
    const std::string text = lcdcrt::joinArguments(argc, argv);
    if (const auto answer = lcdcrt::informationRequest(text, "lcdcrt")) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    // Before anything else runs: take the ports, then give up every capability.
    lcdcrt::Module1 ports(lcdcrt::bindHardwarePorts(lcdcrt::acquirePortAccess()));
    return lcdcrt::runProgram(argv[0], text, ports);
}
