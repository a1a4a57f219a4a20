#pragma once

#include <signal.h>

#include <string>

#include "controller/ForwardingPorts.h"

namespace lcdcrt {

// The file whose lock keeps two processes from interleaving their accesses.
struct LockFile {
    std::string path;
    // The system's lock is made by the system (tmpfiles.d), root's and readable by every
    // user: it is never created here, so that no user can make it theirs. A private lock
    // (the simulator's, or one user's where lcdcrt is not installed) is made as needed.
    bool madeBySystem;
};

// `ports` with the controller held for each sequence: an exclusive lock on the lock file,
// so that two processes never interleave their accesses, and every signal that can be
// held off held, so that no table or read-back is cut short; they take effect when the
// sequence ends.
class HeldPorts final : public ForwardingPorts {
  public:
    static constexpr const char* kLockFile = "/run/lock/lcdcrt.lock";
    static constexpr int kLockWaitMilliseconds = 2000;

    HeldPorts(PortLibrary& ports, LockFile lock);
    ~HeldPorts() override;
    HeldPorts(const HeldPorts&) = delete;
    HeldPorts& operator=(const HeldPorts&) = delete;

    // Throws FatalError, saying what is wrong, when the lock file cannot be opened, is not
    // a regular file, belongs to the wrong user, or is not had within 2 s of the call.
    void beginSequence() override;
    void endSequence() override;

  private:
    int openLockFile() const;
    void take();
    void release();

    LockFile lock_;
    int lockFd_ = -1;
    sigset_t savedMask_{};
};

}  // namespace lcdcrt
