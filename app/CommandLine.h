#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lcdcrt {

// The user's arguments as one text, joined with single spaces: the program reads its
// panel parameter from the whole text.
std::string joinArguments(int argc, char** argv);

// What to print, and exit 0 on, when the whole text asks for help or for the version:
// asking must never reprogram the display.
std::optional<std::string> informationRequest(std::string_view text, std::string_view program);

}  // namespace lcdcrt
