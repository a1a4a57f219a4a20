#include <fcntl.h>

#include <cstdlib>
#include <string>

#include "base/InstallPaths.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "console/Command.h"
#include "controller/Module1.h"
#include "keeper/KeeperClient.h"
#include "keeper/KeeperProtocol.h"
#include "window/Program.h"

// The window of lcdcrt, started by lcdcrt, which keeps the ports: every access goes to it.
int main(int argc, char** argv) {
    lcdcrt::setUpTranslation(lcdcrt::localeDirectory());
    const char* socketText = std::getenv(lcdcrt::keeper::kSocketVariable);
    if (socketText == nullptr) {
        return lcdcrt::reportFatalErrorText(lcdcrt::tr("the window program is started by lcdcrt"));
    }
    const int socket = std::atoi(socketText);
    fcntl(socket, F_SETFD, FD_CLOEXEC);
    unsetenv(lcdcrt::keeper::kSocketVariable);
    lcdcrt::KeeperClient keeper(socket);
    lcdcrt::Module1 ports([&]() -> lcdcrt::PortLibrary& { return keeper; });
    return lcdcrt::runProgram(argv[0], lcdcrt::joinArguments(argc, argv), ports);
}
