#include "base/InstallPaths.h"

#include <filesystem>

namespace lcdcrt {

namespace {

// The directory above bin/ or above libexec/lcdcrt/.
std::filesystem::path installPrefix() {
    std::error_code error;
    const auto directory = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    if (directory.filename() == "lcdcrt" && directory.parent_path().filename() == "libexec") {
        return directory.parent_path().parent_path();
    }
    return directory.parent_path();
}

}  // namespace

std::string windowProgramPath(std::string_view name) {
    return (installPrefix() / "libexec" / "lcdcrt" / name).string();
}

std::string localeDirectory() {
    return (installPrefix() / "share" / "locale").string();
}

}  // namespace lcdcrt
