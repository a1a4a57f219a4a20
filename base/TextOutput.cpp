#include "base/TextOutput.h"

#include <fcntl.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/ExitStatus.h"
#include "base/FatalError.h"
#include "base/Translation.h"

namespace lcdcrt {

void guardStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && open("/dev/null", O_RDONLY) != fd) {
            std::_Exit(kExitFatal);
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
}

FatalError cannotWrite(const char* what, const char* argument, int error) {
    return FatalError(formatted(tr("cannot write %s: %s"), formatted(tr(what), argument).c_str(),
                                errorText(error)));
}

void writeText(std::FILE* file, std::string_view text, const char* what, const char* argument) {
    const bool written =
        std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
    if (!written) {
        const int error = errno;
        std::clearerr(file);
        throw cannotWrite(what, argument, error);
    }
}

void tellUser(std::string_view message) {
    std::fprintf(stderr, "lcdcrt: %.*s\n", static_cast<int>(message.size()), message.data());
    std::fflush(stderr);
}

int reportFatalErrorText(std::string_view message) {
    tellUser(message);
    return kExitFatal;
}

}  // namespace lcdcrt
