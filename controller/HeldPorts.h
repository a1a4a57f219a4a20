#pragma once

#include <string>

#include "controller/ControllerHold.h"
#include "controller/PortLibrary.h"

namespace lcdcrt {

// `ports` with the controller held (locked, signals held off) for each sequence.
class HeldPorts final : public PortLibrary {
  public:
    HeldPorts(PortLibrary& ports, std::string lockPath);

    std::uint32_t in(std::int32_t port, Width width) override;
    void out(std::int32_t port, Width width, std::uint32_t value) override;
    void beginSequence() override;
    void endSequence() override;

  private:
    PortLibrary& ports_;
    ControllerHold hold_;
};

}  // namespace lcdcrt
