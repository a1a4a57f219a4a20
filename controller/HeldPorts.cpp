#include "controller/HeldPorts.h"

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

#include "base/FatalError.h"
#include "base/Translation.h"

namespace lcdcrt {

HeldPorts::HeldPorts(PortLibrary& ports, LockFile lock)
    : ForwardingPorts(ports), lock_(std::move(lock)) {}

HeldPorts::~HeldPorts() {
    release();
}

void HeldPorts::beginSequence() {
    take();
    try {
        ForwardingPorts::beginSequence();
    } catch (...) {
        release();
        throw;
    }
}

void HeldPorts::endSequence() {
    try {
        ForwardingPorts::endSequence();
    } catch (...) {
        release();
        throw;
    }
    release();
}

// Never follows a link and never waits in open: a FIFO put at the path opens at once
// and is refused as not a regular file.
int HeldPorts::openLockFile() const {
    const char* path = lock_.path.c_str();
    const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    const int fd = open(path, lock_.madeBySystem ? flags : flags | O_CREAT, 0644);
    if (fd < 0 && errno == ELOOP) {
        throw FatalError(formatted(tr("the controller lock %s is a symbolic link, which lcdcrt "
                                      "does not follow; remove it"),
                                   path));
    }
    if (fd < 0) {
        throw FatalError(
            formatted(tr("cannot open the controller lock %s: %s"), path, errorText(errno)));
    }
    struct stat file {};
    fstat(fd, &file);
    const uid_t owner = lock_.madeBySystem ? 0 : geteuid();
    if (!S_ISREG(file.st_mode)) {
        close(fd);
        throw FatalError(
            formatted(tr("the controller lock %s is not a regular file; remove it"), path));
    }
    if (file.st_uid != owner) {
        close(fd);
        throw FatalError(formatted(tr("the controller lock %s belongs to user %u, not to user "
                                      "%u; remove it"),
                                   path, static_cast<unsigned>(file.st_uid),
                                   static_cast<unsigned>(owner)));
    }
    return fd;
}

void HeldPorts::take() {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMilliseconds);
    const int fd = openLockFile();
    // flock has no timeout of its own; a short poll keeps the wait bounded.
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const int error = errno;
            close(fd);
            throw FatalError(
                formatted(tr("cannot lock %s: %s"), lock_.path.c_str(), errorText(error)));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            close(fd);
            throw FatalError(formatted(tr("another lcdcrt has held the controller lock %s for "
                                          "more than 2 s; try again once it has finished"),
                                       lock_.path.c_str()));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    lockFd_ = fd;
    sigset_t every;
    sigfillset(&every);
    pthread_sigmask(SIG_BLOCK, &every, &savedMask_);
}

void HeldPorts::release() {
    if (lockFd_ < 0) {
        return;
    }
    close(lockFd_);
    lockFd_ = -1;
    pthread_sigmask(SIG_SETMASK, &savedMask_, nullptr);
}

}  // namespace lcdcrt
