#include "controller/Module1.h"

#include <utility>

namespace lcdcrt {

Module1::Module1(Binder binder) : binder_(std::move(binder)) {}

std::uint32_t Module1::in(std::int32_t port, Width width) {
    return library().in(port, width);
}

void Module1::out(std::int32_t port, Width width, std::uint32_t value) {
    library().out(port, width, value);
}

PortLibrary& Module1::library() {
    if (bound_ == nullptr) {
        bound_ = &binder_();
    }
    return *bound_;
}

}  // namespace lcdcrt
