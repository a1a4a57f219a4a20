#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "controller/PortPermission.h"

namespace lcdcrt {
namespace {

TEST(PortPermission, OnlyAccessesWithinTheTwoControllerPortsAreAllowed) {
    EXPECT_TRUE(withinControllerPorts(0x3D6, Width::Byte));
    EXPECT_TRUE(withinControllerPorts(0x3D7, Width::Byte));
    EXPECT_TRUE(withinControllerPorts(0x3D6, Width::Word));
    EXPECT_FALSE(withinControllerPorts(0x3D7, Width::Word));
    EXPECT_FALSE(withinControllerPorts(0x3D6, Width::Long));
    EXPECT_FALSE(withinControllerPorts(0x3D5, Width::Byte));
    EXPECT_FALSE(withinControllerPorts(0x3D8, Width::Byte));
    EXPECT_FALSE(withinControllerPorts(0x7FFFFFFF, Width::Long));
}

TEST(PortPermission, RefusalMessageNamesPortsReasonAndRemedy) {
    struct Case {
        int errnum;
        std::string lockdown;
        std::string mustSay;
        std::string mustNotSay;
        std::string program = "/usr/bin/lcdcrt";
    };
    const Case cases[] = {
        {EPERM, "[none] integrity confidentiality\n", "setcap cap_sys_rawio+ep /usr/bin/lcdcrt",
         "locked down"},
        {EPERM, "", "Operation not permitted", "locked down"},
        {EPERM, "none [integrity] confidentiality\n", "locked down (integrity mode", "setcap"},
        {EPERM, "none integrity [confidentiality]\n", "no permission can lift", "setcap"},
        {EINVAL, "[none] integrity confidentiality\n", "Invalid argument", "setcap"},
        {EPERM, "[none]\n", "install it", "setcap", "/tmp/build/bin/lcdcrt"},
    };
    for (const Case& c : cases) {
        const std::string message = portRefusalMessage(c.errnum, c.lockdown, c.program);
        EXPECT_NE(message.find("0x3d6-0x3d7"), std::string::npos) << message;
        EXPECT_NE(message.find(c.mustSay), std::string::npos) << message;
        EXPECT_EQ(message.find(c.mustNotSay), std::string::npos) << message;
    }
}

// Root's own folders are trusted; a folder its group or anyone may write, or another
// user's, and all below them, are not.
TEST(PortPermission, FindsWhatUsersOtherThanRootCouldChange) {
    EXPECT_EQ(changeableByUsers({"/usr/bin/env", "/usr/share/locale/none"}), "");
    EXPECT_EQ(changeableByUsers({"/usr/bin/env", "/tmp/lcdcrt/share/locale"}), "/tmp");
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can make root's folders and give one away";
    }
    const std::string group = ::testing::TempDir() + "group-writable";
    const std::string user = ::testing::TempDir() + "user-owned";
    for (const std::string& folder : {group, user}) {
        mkdir(folder.c_str(), 0755);
    }
    ASSERT_EQ(chmod(group.c_str(), 0775) | chown(user.c_str(), 65534, 65534), 0);
    EXPECT_EQ(changeableByUsers({group + "/lcdcrt"}), group);
    EXPECT_EQ(changeableByUsers({user + "/lcdcrt"}), user);
}

}  // namespace
}  // namespace lcdcrt
