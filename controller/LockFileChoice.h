#pragma once

#include "controller/HeldPorts.h"

namespace lcdcrt {

// The system's controller lock where lcdcrt is installed. Where the system has not made
// it (lcdcrt is not installed), a lock of this user's own, in XDG_RUNTIME_DIR or /tmp,
// which keeps apart only this user's lcdcrt: said once, on standard error.
LockFile controllerLockFile();

}  // namespace lcdcrt
