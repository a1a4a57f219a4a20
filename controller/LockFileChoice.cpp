#include "controller/LockFileChoice.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "base/TextOutput.h"
#include "base/Translation.h"

namespace lcdcrt {

LockFile controllerLockFile() {
    struct stat file {};
    if (lstat(HeldPorts::kLockFile, &file) == 0) {
        return {HeldPorts::kLockFile, true};
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string directory = runtime != nullptr && runtime[0] == '/' ? runtime : "/tmp";
    LockFile own{directory + "/lcdcrt-" + std::to_string(geteuid()) + ".lock", false};
    tellUser(formatted(tr("%s is missing, as where lcdcrt is not installed; holding the "
                          "controller with %s, which keeps apart only this user's lcdcrt"),
                       HeldPorts::kLockFile, own.path.c_str()));
    return own;
}

}  // namespace lcdcrt
