#pragma once

#include "controller/ControllerHold.h"
#include "controller/ForwardingPorts.h"

namespace lcdcrt {

// `ports` with the controller held (locked, signals held off) for each sequence.
class HeldPorts final : public ForwardingPorts {
  public:
    HeldPorts(PortLibrary& ports, LockFile lock);

    void beginSequence() override;
    void endSequence() override;

  private:
    ControllerHold hold_;
};

}  // namespace lcdcrt
