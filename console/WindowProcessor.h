#pragma once

#include <string_view>

#include "console/Command.h"

namespace lcdcrt {

// Debian builds Qt for 32-bit x86 with SSE2 instructions throughout, so the window program
// would die of an illegal instruction on a processor without them (Pentium II, Pentium III).
// For the window mode on such a processor, throws FatalError naming the missing feature and
// the console modes, which load no Qt; does nothing otherwise, and nothing on other builds.
void requireWindowProcessor(const Command& command, std::string_view program);

}  // namespace lcdcrt
