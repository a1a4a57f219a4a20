#include <exception>

#include "base/ExitStatus.h"
#include "base/FatalError.h"
#include "base/InstallPaths.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "console/Command.h"
#include "console/ConsoleModes.h"
#include "console/WindowProcessor.h"
#include "controller/HardwarePorts.h"
#include "controller/HeldPorts.h"
#include "controller/LockFileChoice.h"
#include "controller/Module1.h"
#include "controller/PortPermission.h"
#include "keeper/WindowChild.h"

namespace {

// With the ports granted, the program's own file, its window program and its message
// catalogues must be root's alone: whoever could change them could make this process
// run their code, or read their text as a message format, with the ports in hand. The
// refusal is said in English: the catalogues beside the program are not to be read.
void refuseUntrustedInstall(const lcdcrt::PortGrant& grant) {
    if (!grant.held()) {
        return;
    }
    const std::string place = lcdcrt::changeableByUsers(
        {"/proc/self/exe", lcdcrt::windowProgramPath("lcdcrt-window"), lcdcrt::localeDirectory()});
    if (place.empty()) {
        return;
    }
    lcdcrt::giveUpPortAccess();
    throw lcdcrt::FatalError("refusing to use the display controller ports: " + place +
                             " can be changed by users other than root; install lcdcrt (the "
                             "Debian package, or sudo cmake --install) and run the installed "
                             "program");
}

}  // namespace

// lcdcrt on the real display controller. This program alone holds the port grant: it
// links no window code, runs the console modes itself and, for the window, starts the
// window program without port access and keeps the ports for it.
int main(int argc, char** argv) {
    // Take the two ports, then give up every capability, before anything is read.
    const lcdcrt::PortGrant grant = lcdcrt::acquirePortAccess();
    lcdcrt::guardStandardStreams();
    try {
        refuseUntrustedInstall(grant);
        lcdcrt::setUpTranslation(lcdcrt::localeDirectory());
        const lcdcrt::Command command = lcdcrt::readCommand(argc, argv, "lcdcrt");
        if (command.mode == lcdcrt::Command::Mode::Help ||
            command.mode == lcdcrt::Command::Mode::Version) {
            lcdcrt::giveUpPortAccess();
            lcdcrt::answerInformationRequest(command, "lcdcrt");
            return lcdcrt::kExitEnded;
        }
        lcdcrt::requireWindowProcessor(command, "lcdcrt");
        lcdcrt::Module1 hardware(lcdcrt::bindHardwarePorts(grant));
        lcdcrt::HeldPorts ports(hardware, lcdcrt::controllerLockFile());
        if (command.mode == lcdcrt::Command::Mode::Window) {
            return lcdcrt::runWindowChild(lcdcrt::windowProgramPath("lcdcrt-window"), argv, ports);
        }
        lcdcrt::Module1 program([&]() -> lcdcrt::PortLibrary& { return ports; });
        return lcdcrt::runConsoleMode(command, program);
    } catch (const std::exception& error) {
        return lcdcrt::reportFatalErrorText(error.what());
    }
}
