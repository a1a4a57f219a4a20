#include "controller/Module1.h"

#include <utility>

namespace lcdcrt {

Module1::Module1(Binder binder) : binder_(std::move(binder)) {}

std::uint32_t Module1::in(std::int32_t port, Width width) {
    return libraryInSequence().in(port, width);
}

void Module1::out(std::int32_t port, Width width, std::uint32_t value) {
    libraryInSequence().out(port, width, value);
}

void Module1::beginSequence() {
    inSequence_ = true;
}

void Module1::endSequence() {
    inSequence_ = false;
    if (sequenceBegun_) {
        sequenceBegun_ = false;
        library().endSequence();
    }
}

PortLibrary& Module1::libraryInSequence() {
    PortLibrary& bound = library();
    if (inSequence_ && !sequenceBegun_) {
        bound.beginSequence();
        sequenceBegun_ = true;
    }
    return bound;
}

PortLibrary& Module1::library() {
    if (bound_ == nullptr) {
        bound_ = &binder_();
    }
    return *bound_;
}

}  // namespace lcdcrt
