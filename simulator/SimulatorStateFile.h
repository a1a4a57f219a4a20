#pragma once

#include <string>

#include "controller/ForwardingPorts.h"
#include "simulator/SimulatedController.h"

namespace lcdcrt {

// Keeps a simulated controller's registers in a file across runs: each sequence starts
// from the file (power-on zeros while there is none) and ends by replacing it atomically
// with the registers as the sequence left them. The file holds the index register and
// then the 256 registers, one byte each.
class SimulatorStateFile final : public ForwardingPorts {
  public:
    SimulatorStateFile(SimulatedController& chip, std::string path);

    // Both throw FatalError naming the file; a file that cannot be read is left as it was.
    void beginSequence() override;
    void endSequence() override;

  private:
    SimulatedController& chip_;
    std::string path_;
};

}  // namespace lcdcrt
