#include "controller/HeldPorts.h"

#include <utility>

namespace lcdcrt {

HeldPorts::HeldPorts(PortLibrary& ports, std::string lockPath)
    : ports_(ports), hold_(std::move(lockPath)) {}

std::uint32_t HeldPorts::in(std::int32_t port, Width width) {
    return ports_.in(port, width);
}

void HeldPorts::out(std::int32_t port, Width width, std::uint32_t value) {
    ports_.out(port, width, value);
}

void HeldPorts::beginSequence() {
    hold_.take();
    try {
        ports_.beginSequence();
    } catch (...) {
        hold_.release();
        throw;
    }
}

void HeldPorts::endSequence() {
    try {
        ports_.endSequence();
    } catch (...) {
        hold_.release();
        throw;
    }
    hold_.release();
}

}  // namespace lcdcrt
