#include "controller/HeldPorts.h"

#include <utility>

namespace lcdcrt {

HeldPorts::HeldPorts(PortLibrary& ports, LockFile lock)
    : ForwardingPorts(ports), hold_(std::move(lock)) {}

void HeldPorts::beginSequence() {
    hold_.take();
    try {
        ForwardingPorts::beginSequence();
    } catch (...) {
        hold_.release();
        throw;
    }
}

void HeldPorts::endSequence() {
    try {
        ForwardingPorts::endSequence();
    } catch (...) {
        hold_.release();
        throw;
    }
    hold_.release();
}

}  // namespace lcdcrt
