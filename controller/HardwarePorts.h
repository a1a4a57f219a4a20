#pragma once

#include <string>

#include "controller/Module1.h"

namespace lcdcrt {

// The outcome of asking the kernel for the controller ports: empty when granted,
// otherwise the message the first port call will raise.
struct PortGrant {
    std::string refusal;
};

// Asks for ports 0x3D6-0x3D7 (and nothing else), then gives up every capability so that
// nothing after it runs with privilege; the grant outlives the capability. Call it first
// in main, before any other library code and before any thread exists.
PortGrant acquirePortAccess();

// Gives the grant back, as a process about to run code that must not reach the ports
// does; giving up needs no privilege.
void giveUpPortAccess();

// Binds the real ports: the first port call raises the refusal, if there was one.
Module1::Binder bindHardwarePorts(PortGrant grant);

}  // namespace lcdcrt
