#include "simulator/SimulatedController.h"

#include <algorithm>
#include <utility>

namespace lcdcrt {

SimulatedController::SimulatedController(std::uint8_t identity) : identity_(identity) {}

std::uint32_t SimulatedController::in(std::int32_t port, Width width) {
    std::uint32_t value = 0;
    for (int k = 0; k < static_cast<int>(width); ++k) {
        value |= static_cast<std::uint32_t>(readByte(port + k)) << (8 * k);
    }
    record({PortAccess::Direction::In, port, width, value});
    return value;
}

void SimulatedController::out(std::int32_t port, Width width, std::uint32_t value) {
    for (int k = 0; k < static_cast<int>(width); ++k) {
        writeByte(port + k, static_cast<std::uint8_t>(value >> (8 * k)));
    }
    record({PortAccess::Direction::Out, port, width, value});
}

SimulatedController::State SimulatedController::state() const {
    State state{};
    state[0] = index_;
    std::ranges::copy(registers_, state.begin() + 1);
    return state;
}

void SimulatedController::setState(const State& state) {
    index_ = state[0];
    std::ranges::copy(state.begin() + 1, state.end(), registers_.begin());
}

void SimulatedController::setObserver(Observer observer) {
    observer_ = std::move(observer);
}

std::uint8_t SimulatedController::readByte(std::int32_t port) const {
    if (port == kIndexPort) {
        return index_;
    }
    if (port == kDataPort) {
        return index_ == kProbeRegister ? identity_ : registers_[index_];
    }
    return 0xFF;
}

void SimulatedController::writeByte(std::int32_t port, std::uint8_t value) {
    if (port == kIndexPort) {
        index_ = value;
    } else if (port == kDataPort) {
        registers_[index_] = value;
    }
}

void SimulatedController::record(const PortAccess& access) {
    log_.push_back(access);
    if (observer_) {
        observer_(access);
    }
}

}  // namespace lcdcrt
