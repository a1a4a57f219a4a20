#include "app/WindowProgram.h"

#include <filesystem>

namespace lcdcrt {

std::string windowProgramPath(std::string_view name) {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / ".." / "libexec" / "lcdcrt" / name).lexically_normal().string();
}

}  // namespace lcdcrt
