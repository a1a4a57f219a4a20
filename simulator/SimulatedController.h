#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "controller/DisplayController.h"
#include "controller/PortAccess.h"
#include "controller/PortLibrary.h"

namespace lcdcrt {

// An in-memory display controller behind ports 0x3D6/0x3D7, for trying the program
// without the hardware and for testing it. It keeps an index register and 256 register
// bytes, answers register 0x45 with a chosen identity, and records every access in
// order. Multi-byte accesses behave as on x86: byte k goes to port + k. Ports it does
// not decode read as all ones, like an empty bus, and ignore writes.
class SimulatedController final : public PortLibrary {
  public:
    using Observer = std::function<void(const PortAccess&)>;

    explicit SimulatedController(std::uint8_t identity = kProbeIdentity);

    std::uint32_t in(std::int32_t port, Width width) override;
    void out(std::int32_t port, Width width, std::uint32_t value) override;

    // The index register followed by the 256 registers: what a state file keeps.
    using State = std::array<std::uint8_t, 257>;
    State state() const;
    void setState(const State& state);

    const std::vector<PortAccess>& log() const { return log_; }
    std::uint8_t registerValue(std::uint8_t index) const { return registers_[index]; }

    // Called with each access right after it has taken effect.
    void setObserver(Observer observer);

  private:
    std::uint8_t readByte(std::int32_t port) const;
    void writeByte(std::int32_t port, std::uint8_t value);
    void record(const PortAccess& access);

    std::uint8_t identity_;
    std::uint8_t index_ = 0;
    std::array<std::uint8_t, 256> registers_{};
    std::vector<PortAccess> log_;
    Observer observer_;
};

}  // namespace lcdcrt
