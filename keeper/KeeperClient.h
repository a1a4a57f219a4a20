#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// The window's port library when the port keeper holds the ports: it gathers the
// window's accesses into the sequences the keeper carries out (the probe's select and
// read, a whole table of 20 words) and asks the keeper for each. Any other access is
// refused with a FatalError before the keeper is asked.
class KeeperClient final : public PortLibrary {
  public:
    explicit KeeperClient(int socket) : socket_(socket) {}

    std::uint32_t in(std::int32_t port, Width width) override;
    void out(std::int32_t port, Width width, std::uint32_t value) override;
    void beginSequence() override;
    void endSequence() override;

  private:
    // Sends one request packet; returns what follows Done, or throws with the refusal.
    std::string ask(const std::string& request);
    void tableWord(std::uint16_t word);

    int socket_;
    bool probeSelected_ = false;
    std::vector<std::uint16_t> words_;
};

}  // namespace lcdcrt
