#pragma once

#include <string>

#include "controller/ControllerHold.h"
#include "controller/ForwardingPorts.h"

namespace lcdcrt {

// `ports` with the controller held (locked, signals held off) for each sequence.
class HeldPorts final : public ForwardingPorts {
  public:
    HeldPorts(PortLibrary& ports, std::string lockPath);

    void beginSequence() override;
    void endSequence() override;

  private:
    ControllerHold hold_;
};

}  // namespace lcdcrt
