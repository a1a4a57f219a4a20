#pragma once

#include <string>
#include <string_view>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// What the keeper does for one request packet, or throws FatalError refusing it. It
// carries out only whole sequences it knows: the probe, the LCD table for a panel word
// whose low byte is 0x56, the CRT table, each between Begin and End.
class PortKeeper {
  public:
    explicit PortKeeper(PortLibrary& ports) : ports_(ports) {}
    ~PortKeeper();
    PortKeeper(const PortKeeper&) = delete;
    PortKeeper& operator=(const PortKeeper&) = delete;

    // The answer packet for `request`.
    std::string answer(std::string_view request);

  private:
    PortLibrary& ports_;
    bool inSequence_ = false;
};

// Serves the window on `socket` until it closes its end, or until a request is refused:
// the refusal goes back to the window, which reports it, and the keeper serves no more.
void serveWindow(int socket, PortLibrary& ports);

}  // namespace lcdcrt
