#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// What the keeper does for one request packet, or throws FatalError refusing it. It
// carries out only whole sequences it knows: the probe, the LCD table for a panel word
// whose low byte is 0x56, the CRT table, each between Begin and End; and a table only
// once its own last probe found the controller (register 0x45 read 0x80).
class KeeperServer {
  public:
    // How long the window may hold the controller in one sequence.
    static constexpr int kSequenceMilliseconds = 2000;

    explicit KeeperServer(PortLibrary& ports) : ports_(ports) {}
    ~KeeperServer();
    KeeperServer(const KeeperServer&) = delete;
    KeeperServer& operator=(const KeeperServer&) = delete;

    // The answer packet for `request`.
    std::string answer(std::string_view request);

    bool inSequence() const { return inSequence_; }
    // When the sequence in progress must have ended.
    std::chrono::steady_clock::time_point sequenceEnds() const { return sequenceEnds_; }
    // Lets the controller go from a sequence held too long; every later request is refused.
    void abandonSequence();

  private:
    void requireController() const;

    PortLibrary& ports_;
    bool inSequence_ = false;
    bool controllerFound_ = false;
    bool abandoned_ = false;
    std::chrono::steady_clock::time_point sequenceEnds_{};
};

// Serves the window on `socket` until it closes its end, or until a request is refused:
// the refusal goes back to the window, which reports it, and the keeper serves no more.
// A sequence not ended within kSequenceMilliseconds of its beginning is abandoned.
void serveWindow(int socket, PortLibrary& ports);

}  // namespace lcdcrt
