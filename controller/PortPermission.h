#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// Where the kernel says whether it is locked down, e.g. "[none] integrity confidentiality".
inline constexpr const char* kLockdownFile = "/sys/kernel/security/lockdown";

// The lockdown file's first line, empty where the kernel reports none.
std::string readLockdownText();

// True when an access of `width` bytes at `port` stays within 0x3D6-0x3D7, the only
// ports the program is granted and the only ones it may touch.
bool withinControllerPorts(std::int32_t port, Width width);

// What to tell the user when the ports were refused with `errnum`. `lockdownText` is the
// content of the lockdown file (empty if it could not be read); a kernel in any mode but
// [none] refuses port access whatever the permission, so the remedy differs.
// `program` is the executable's path, for the command that grants the capability; a
// program that users could change is never to be given it, and the remedy is to install.
std::string portRefusalMessage(int errnum, std::string_view lockdownText, std::string_view program);

// The first of `paths`, or of the folders above them, that someone other than root could
// change: one that is not root's, or that its group or every user may write. Empty when
// there is none. Paths that do not exist are skipped; the folder they would be made in
// is checked. A program with the ports must not run code or read text from such a place.
std::string changeableByUsers(const std::vector<std::string>& paths);

}  // namespace lcdcrt
