#pragma once

#include <string>
#include <string_view>

namespace lcdcrt {

// Where the window program `name` is: ../libexec/lcdcrt/ beside this program's own
// directory, in the build tree as when installed.
std::string windowProgramPath(std::string_view name);

}  // namespace lcdcrt
