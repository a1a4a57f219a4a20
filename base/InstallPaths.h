#pragma once

#include <string>
#include <string_view>

namespace lcdcrt {

// Where lcdcrt's files are, found from the running program's own place, so that the
// build tree works as an installed tree does: programs in bin/ and libexec/lcdcrt/,
// message catalogues in share/locale/.
std::string windowProgramPath(std::string_view name);
std::string localeDirectory();

}  // namespace lcdcrt
