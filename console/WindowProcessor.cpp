#include "console/WindowProcessor.h"

#include <string>

#include "base/FatalError.h"
#include "base/Translation.h"

namespace lcdcrt {

void requireWindowProcessor([[maybe_unused]] const Command& command,
                            [[maybe_unused]] std::string_view program) {
#if defined(__i386__)
    if (command.mode == Command::Mode::Window && !__builtin_cpu_supports("sse2")) {
        const std::string name(program);
        throw FatalError(formatted(
            tr("the window needs a processor with SSE2, which this one lacks; the console "
               "modes work without it: %s --lcd, --crt, --toggle or --status"),
            name.c_str()));
    }
#endif
}

}  // namespace lcdcrt
