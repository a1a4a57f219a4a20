#pragma once

#include <string>
#include <string_view>

namespace lcdcrt {

// `text` in double quotes for an error message: at most its first 40 bytes, then "...",
// with every byte outside printable ASCII (and '"' and '\') escaped, so that any
// command line, however long and whatever its bytes, makes one readable line.
std::string quotedText(std::string_view text);

}  // namespace lcdcrt
