#include "controller/HeldPorts.h"

#include <utility>

namespace lcdcrt {

HeldPorts::HeldPorts(PortLibrary& ports, std::string lockPath)
    : ForwardingPorts(ports), hold_(std::move(lockPath)) {}

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
