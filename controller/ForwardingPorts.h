#pragma once

#include "controller/PortLibrary.h"

namespace lcdcrt {

// A port library that passes every access and sequence on to another; a subclass adds
// what it does around the sequences.
class ForwardingPorts : public PortLibrary {
  public:
    explicit ForwardingPorts(PortLibrary& ports) : ports_(ports) {}

    std::uint32_t in(std::int32_t port, Width width) override { return ports_.in(port, width); }
    void out(std::int32_t port, Width width, std::uint32_t value) override {
        ports_.out(port, width, value);
    }
    void beginSequence() override { ports_.beginSequence(); }
    void endSequence() override { ports_.endSequence(); }

  private:
    PortLibrary& ports_;
};

}  // namespace lcdcrt
