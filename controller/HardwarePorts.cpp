#include "controller/HardwarePorts.h"

#include <linux/securebits.h>
#include <sys/capability.h>
#include <sys/io.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "base/FatalError.h"
#include "base/Translation.h"
#include "controller/DisplayController.h"
#include "controller/PortPermission.h"

namespace lcdcrt {

namespace {

// Real in/out instructions. Every access is checked against the granted ports first, so
// a stray port number is refused with a message instead of a fault.
class HardwarePorts final : public PortLibrary {
  public:
    std::uint32_t in(std::int32_t port, Width width) override {
        const auto p = checked(port, width);
        switch (width) {
            case Width::Byte:
                return inb(p);
            case Width::Word:
                return inw(p);
            case Width::Long:
                return inl(p);
        }
        return 0;
    }

    void out(std::int32_t port, Width width, std::uint32_t value) override {
        const auto p = checked(port, width);
        switch (width) {
            case Width::Byte:
                outb(static_cast<unsigned char>(value), p);
                break;
            case Width::Word:
                outw(static_cast<unsigned short>(value), p);
                break;
            case Width::Long:
                outl(value, p);
                break;
        }
    }

  private:
    static unsigned short checked(std::int32_t port, Width width) {
        if (!withinControllerPorts(port, width)) {
            throw FatalError(formatted(tr("refused a %d-byte access to port %d: only the display "
                                          "controller ports 0x3d6-0x3d7 may be used"),
                                       static_cast<int>(width), port));
        }
        return static_cast<unsigned short>(port);
    }
};

std::string programPath() {
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    return length > 0 ? std::string(path.data(), static_cast<std::size_t>(length)) : "lcdcrt";
}

// Empties the permitted, effective and inheritable sets (and with them the ambient set).
int dropCapabilities() {
    cap_t none = cap_init();
    if (none == nullptr) {
        return errno;
    }
    const int result = cap_set_proc(none) == 0 ? 0 : errno;
    cap_free(none);
    return result;
}

}  // namespace

PortGrant acquirePortAccess() {
    PortGrant grant;
    if (ioperm(kIndexPort, 2, 1) != 0) {
        grant.refusal = errno;
    }
    // Run as root, the programs this one starts would get every capability back when
    // executed; from here on they do not. Unprivileged users need not, and cannot.
    prctl(PR_SET_SECUREBITS, SECBIT_NOROOT | SECBIT_NOROOT_LOCKED);
    grant.capabilitiesKept = dropCapabilities();
    if (grant.capabilitiesKept != 0 && grant.refusal == 0) {
        ioperm(kIndexPort, 2, 0);
    }
    return grant;
}

void giveUpPortAccess() {
    if (ioperm(kIndexPort, 2, 0) != 0) {
        throw FatalError(
            formatted(tr("cannot give back the display controller ports: %s"), errorText(errno)));
    }
}

Module1::Binder bindHardwarePorts(PortGrant grant) {
    return [grant]() -> PortLibrary& {
        if (grant.capabilitiesKept != 0) {
            throw FatalError(formatted(tr("cannot give up the program's capabilities: %s; "
                                          "refusing to touch the display controller"),
                                       errorText(grant.capabilitiesKept)));
        }
        if (grant.refusal != 0) {
            throw FatalError(portRefusalMessage(grant.refusal, readLockdownText(), programPath()));
        }
        static HardwarePorts ports;
        return ports;
    };
}

}  // namespace lcdcrt
