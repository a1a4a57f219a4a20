#include "controller/ControllerHold.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

#include "controller/FatalError.h"
#include "controller/Translation.h"

namespace lcdcrt {

namespace {

sigset_t heldSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP}) {
        sigaddset(&set, signal);
    }
    return set;
}

}  // namespace

ControllerHold::ControllerHold(std::string lockPath) : lockPath_(std::move(lockPath)) {}

ControllerHold::~ControllerHold() {
    release();
}

void ControllerHold::take() {
    // Read-only is enough for flock, and lets every user open a lock file another made.
    const int fd = open(lockPath_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        throw FatalError(formatted(tr("cannot open the controller lock %s: %s"), lockPath_.c_str(),
                                   std::strerror(errno)));
    }
    // Whoever makes the file makes it readable for every user, whatever their umask; for
    // anyone else this changes nothing and may fail.
    fchmod(fd, 0644);
    // flock has no timeout of its own; a short poll keeps the wait bounded.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMilliseconds);
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int error = errno;
            close(fd);
            throw FatalError(
                formatted(tr("cannot lock %s: %s"), lockPath_.c_str(), std::strerror(error)));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            close(fd);
            throw FatalError(formatted(tr("another lcdcrt has held the controller lock %s for "
                                          "more than 2 s; try again once it has finished"),
                                       lockPath_.c_str()));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    lockFd_ = fd;
    const sigset_t held = heldSignals();
    pthread_sigmask(SIG_BLOCK, &held, &savedMask_);
}

void ControllerHold::release() {
    if (lockFd_ < 0) {
        return;
    }
    close(lockFd_);
    lockFd_ = -1;
    pthread_sigmask(SIG_SETMASK, &savedMask_, nullptr);
}

}  // namespace lcdcrt
