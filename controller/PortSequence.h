#pragma once

#include "controller/PortLibrary.h"

namespace lcdcrt {

// One sequence of accesses on `ports`, begun on construction. finish() ends it and throws
// what ending reports; a sequence left by an exception is ended quietly, since the error
// that left it is the one to report.
class PortSequence {
  public:
    explicit PortSequence(PortLibrary& ports) : ports_(ports) { ports_.beginSequence(); }
    ~PortSequence() {
        if (!finished_) {
            try {
                ports_.endSequence();
            } catch (...) {
            }
        }
    }
    PortSequence(const PortSequence&) = delete;
    PortSequence& operator=(const PortSequence&) = delete;

    void finish() {
        finished_ = true;
        ports_.endSequence();
    }

  private:
    PortLibrary& ports_;
    bool finished_ = false;
};

}  // namespace lcdcrt
