#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/FatalError.h"
#include "controller/HeldPorts.h"
#include "simulator/SimulatedController.h"

namespace lcdcrt {
namespace {

// What a user could put at the lock's path, and what taking the lock then says. The
// system's lock is never created, never followed and must be root's; a private one is
// made as needed and must be the caller's.
TEST(HeldPorts, HoldsOnlyARegularLockFileOfTheRightOwner) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "controller-hold";
    struct Case {
        const char* what;
        bool madeBySystem;
        const char* refusal;  // nullptr: taken
    };
    const Case cases[] = {
        {"missing", true, "No such file or directory"},
        {"missing", false, nullptr},
        {"symlink", true, "is a symbolic link"},
        {"symlink", false, "is a symbolic link"},
        {"fifo", true, "is not a regular file"},
        {"directory", true, "is not a regular file"},
        {"file of user 65534", true, "belongs to user 65534, not to user 0"},
        {"file", true, geteuid() == 0 ? nullptr : "not to user 0"},
        {"file", false, nullptr},
    };
    for (const Case& c : cases) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path path = dir / "lcdcrt.lock";
        const std::string what = c.what;
        if (what == "symlink") {
            std::ofstream(dir / "elsewhere");
            fs::create_symlink(dir / "elsewhere", path);
        } else if (what == "fifo") {
            mkfifo(path.c_str(), 0644);
        } else if (what == "directory") {
            fs::create_directory(path);
        } else if (what.starts_with("file")) {
            std::ofstream{path};
            if (what != "file" && chown(path.c_str(), 65534, 65534) != 0) {
                continue;  // only root can give a file away
            }
        }
        SimulatedController chip;
        HeldPorts held(chip, {path.string(), c.madeBySystem});
        if (c.refusal == nullptr) {
            EXPECT_NO_THROW(held.beginSequence()) << c.what;
            continue;
        }
        try {
            held.beginSequence();
            ADD_FAILURE() << c.what << " was taken";
        } catch (const FatalError& error) {
            EXPECT_NE(std::string(error.what()).find(c.refusal), std::string::npos) << error.what();
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace lcdcrt
