#include "controller/PortPermission.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "base/Translation.h"
#include "controller/DisplayController.h"

namespace lcdcrt {

namespace {

// The mode in brackets, or empty when the text names none.
std::string_view lockdownMode(std::string_view text) {
    const auto open = text.find('[');
    const auto close = text.find(']', open);
    if (open == std::string_view::npos || close == std::string_view::npos) {
        return {};
    }
    return text.substr(open + 1, close - open - 1);
}

}  // namespace

std::string readLockdownText() {
    std::string line;
    std::getline(std::ifstream(kLockdownFile), line);
    return line;
}

bool withinControllerPorts(std::int32_t port, Width width) {
    const std::int64_t last = std::int64_t{port} + static_cast<int>(width) - 1;
    return port >= kIndexPort && last <= kDataPort;
}

std::string portRefusalMessage(int errnum, std::string_view lockdownText,
                               std::string_view program) {
    const std::string_view mode = lockdownMode(lockdownText);
    if (!mode.empty() && mode != "none") {
        return formatted(tr("cannot open the display controller ports 0x3d6-0x3d7: the kernel is "
                            "locked down (%s mode, for example by Secure Boot), and no "
                            "permission can lift that"),
                         std::string(mode).c_str());
    }
    if (errnum == EPERM && !changeableByUsers({std::string(program)}).empty()) {
        return formatted(tr("cannot open the display controller ports 0x3d6-0x3d7: %s; only an "
                            "installed lcdcrt may be given the capability to use them: install "
                            "it (the Debian package, or sudo cmake --install)"),
                         errorText(errnum));
    }
    if (errnum == EPERM) {
        return formatted(tr("cannot open the display controller ports 0x3d6-0x3d7: %s; give the "
                            "program the capability to use them, once, with: sudo setcap "
                            "cap_sys_rawio+ep %s"),
                         errorText(errnum), std::string(program).c_str());
    }
    return formatted(tr("cannot open the display controller ports 0x3d6-0x3d7: %s"),
                     errorText(errnum));
}

std::string changeableByUsers(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        std::error_code error;
        const auto real = std::filesystem::weakly_canonical(path, error);
        for (auto step = real; !error && !step.empty(); step = step.parent_path()) {
            struct stat file {};
            if (stat(step.c_str(), &file) == 0 &&
                (file.st_uid != 0 || (file.st_mode & (S_IWGRP | S_IWOTH)) != 0)) {
                return step.string();
            }
            if (step == step.root_path()) {
                break;
            }
        }
    }
    return {};
}

}  // namespace lcdcrt
