#pragma once

#include <signal.h>

#include <string>

namespace lcdcrt {

// Holds the controller for one sequence of accesses: an exclusive lock on a file that
// every user's lcdcrt can open, so that two processes never interleave their accesses,
// and the signals that would end or stop the process held off, so that no table is cut
// in half; they take effect when the hold is released.
class ControllerHold {
  public:
    static constexpr const char* kLockFile = "/run/lock/lcdcrt.lock";
    static constexpr int kLockWaitMilliseconds = 2000;

    explicit ControllerHold(std::string lockPath);
    ~ControllerHold();
    ControllerHold(const ControllerHold&) = delete;
    ControllerHold& operator=(const ControllerHold&) = delete;

    // Throws FatalError when the lock cannot be opened or is not had within 2 s.
    void take();
    void release();

  private:
    std::string lockPath_;
    int lockFd_ = -1;
    sigset_t savedMask_{};
};

}  // namespace lcdcrt
