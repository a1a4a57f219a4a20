#include "keeper/WindowChild.h"

#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ExitStatus.h"
#include "base/FatalError.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "controller/HardwarePorts.h"
#include "keeper/KeeperProtocol.h"
#include "keeper/KeeperServer.h"

namespace lcdcrt {

namespace {

constexpr int kForwardedSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

volatile pid_t windowPid = 0;

void forwardSignal(int signal) {
    if (windowPid > 0) {
        kill(windowPid, signal);
    }
}

// In the child: nothing may unwind from here into the keeper's code.
[[noreturn]] void becomeWindow(const std::string& path, char** argv, int socket) {
    try {
        giveUpPortAccess();
    } catch (const FatalError& error) {
        _exit(reportFatalErrorText(error.what()));
    }
    setenv(keeper::kSocketVariable, std::to_string(socket).c_str(), 1);
    execv(path.c_str(), argv);
    _exit(reportFatalErrorText(
        formatted(tr("cannot start the window program %s: %s"), path.c_str(), errorText(errno))));
}

int waitForWindow(pid_t pid) {
    int status = 0;
    pid_t waited = 0;
    do {
        waited = waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0) {
        throw FatalError(formatted(tr("cannot learn how the window ended: %s"), errorText(errno)));
    }
    if (WIFSIGNALED(status)) {
        std::signal(WTERMSIG(status), SIG_DFL);
        raise(WTERMSIG(status));
        return 128 + WTERMSIG(status);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

int runWindowChild(const std::string& path, char** argv, PortLibrary& ports) {
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, sockets) != 0) {
        throw FatalError(formatted(tr("cannot connect the window: %s"), errorText(errno)));
    }
    // Started with SIGCHLD ignored, the window's exit status would be thrown away.
    std::signal(SIGCHLD, SIG_DFL);
    const pid_t pid = fork();
    if (pid < 0) {
        throw FatalError(formatted(tr("cannot start the window: %s"), errorText(errno)));
    }
    if (pid == 0) {
        close(sockets[0]);
        const int socket = dup(sockets[1]);  // without close-on-exec
        becomeWindow(path, argv, socket);
    }
    close(sockets[1]);
    windowPid = pid;
    struct sigaction forward {};
    forward.sa_handler = forwardSignal;
    forward.sa_flags = SA_RESTART;
    for (const int signal : kForwardedSignals) {
        sigaction(signal, &forward, nullptr);
    }
    serveWindow(sockets[0], ports);
    close(sockets[0]);
    return waitForWindow(pid);
}

}  // namespace lcdcrt
