#pragma once

#include <string>

#include "controller/Module1.h"

namespace lcdcrt {

// The outcome of asking the kernel for the controller ports, as error numbers: what
// refused the ports, and what kept the program from giving up its capabilities (0: none).
// The message for the user is made only when a port is first used, once nothing runs
// with privilege any more.
struct PortGrant {
    int refusal = 0;
    int capabilitiesKept = 0;

    bool held() const { return refusal == 0 && capabilitiesKept == 0; }
};

// Asks for ports 0x3D6-0x3D7 (and nothing else), then gives up every capability so that
// nothing after it runs with privilege; the grant outlives the capability. It reads no
// file, environment or text: call it first in main, before anything else, and before any
// thread exists.
PortGrant acquirePortAccess();

// Gives the grant back, as a process about to run code that must not reach the ports
// does; giving up needs no privilege. Throws FatalError when the kernel does not take it.
void giveUpPortAccess();

// Binds the real ports: the first port call raises the refusal, if there was one.
Module1::Binder bindHardwarePorts(PortGrant grant);

}  // namespace lcdcrt
