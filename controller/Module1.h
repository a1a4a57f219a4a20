#pragma once

#include <functional>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// The program's binding of the port-I/O library. Nothing is resolved until the first
// operation is called; that call binds the library (or raises the FatalError that says
// why it cannot), and every later call reuses what it bound.
class Module1 final : public PortLibrary {
  public:
    using Binder = std::function<PortLibrary&()>;

    explicit Module1(Binder binder);

    std::uint32_t in(std::int32_t port, Width width) override;
    void out(std::int32_t port, Width width, std::uint32_t value) override;

    // A sequence reaches the bound library only once it makes an access: a sequence
    // without accesses holds nothing.
    void beginSequence() override;
    void endSequence() override;

  private:
    PortLibrary& library();
    PortLibrary& libraryInSequence();

    Binder binder_;
    PortLibrary* bound_ = nullptr;
    bool inSequence_ = false;
    bool sequenceBegun_ = false;
};

}  // namespace lcdcrt
