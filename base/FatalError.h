#pragma once

#include <stdexcept>

namespace lcdcrt {

// Every error that must end the program travels as a FatalError (or a type derived
// from it). Its message is written for the user; the window reports it in one place.
class FatalError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace lcdcrt
