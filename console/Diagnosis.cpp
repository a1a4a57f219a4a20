#include "console/Diagnosis.h"

#include <sys/capability.h>
#include <sys/stat.h>
#include <sys/utsname.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/ExitStatus.h"
#include "base/FatalError.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "base/Version.h"
#include "controller/DisplayController.h"
#include "controller/HeldPorts.h"
#include "controller/PortPermission.h"
#include "controller/PortSequence.h"
#include "profiles/ControllerState.h"

namespace lcdcrt {

namespace {

namespace fs = std::filesystem;

std::string row(const char* name, const std::string& value) {
    return std::string(name) + ": " + value + "\n";
}

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(name) + "=" + value : std::string(name) + " unset";
}

// The probe and, when the controller answers, the read-back of --status.
std::string controllerRows(PortLibrary& ports) {
    try {
        PortSequence sequence(ports);
        const std::uint8_t identity = readProbeRegister(ports);
        if (identity != kProbeIdentity) {
            sequence.finish();
            return row("controller", formatted("does not answer: register 0x45 read 0x%02x, "
                                               "not 0x80",
                                               identity));
        }
        const ControllerState state = decodeState(readTableRegisters(ports));
        sequence.finish();
        return row("controller", "answers: register 0x45 read 0x80") +
               row("status", stateLine(state));
    } catch (const FatalError& error) {
        return row("controller", std::string("not reached: ") + error.what());
    }
}

std::string capabilityRow(const fs::path& program) {
    bool held = false;
    if (cap_t capabilities = cap_get_file(program.c_str())) {
        cap_flag_value_t permitted = CAP_CLEAR;
        held = cap_get_flag(capabilities, CAP_SYS_RAWIO, CAP_PERMITTED, &permitted) == 0 &&
               permitted == CAP_SET;
        cap_free(capabilities);
    }
    return row("capability",
               held ? "cap_sys_rawio on the program file" : "none on the program file");
}

std::string kernelRow() {
    utsname system{};
    uname(&system);
    const std::string lockdown = readLockdownText();
    return row("kernel", std::string(system.sysname) + " " + system.release + " " + system.machine +
                             ", lockdown: " + (lockdown.empty() ? "not reported" : lockdown));
}

std::string lockFileRow() {
    struct stat status {};
    if (stat(HeldPorts::kLockFile, &status) != 0) {
        return row("lock file", std::string(HeldPorts::kLockFile) + " missing");
    }
    return row("lock file", formatted("%s uid %u gid %u mode %04o", HeldPorts::kLockFile,
                                      status.st_uid, status.st_gid, status.st_mode & 07777));
}

std::string installed(const char* path) {
    return std::string(path) + (fs::exists(path) ? " installed" : " not installed");
}

// The instances that systemctl enable linked into a target's .wants directory.
std::string enabledInstances() {
    std::string enabled;
    std::error_code error;
    for (const auto& wants : fs::directory_iterator("/etc/systemd/system", error)) {
        for (const auto& link : fs::directory_iterator(wants.path(), error)) {
            if (link.path().filename().string().starts_with("lcdcrt@")) {
                enabled += " " + link.path().filename().string();
            }
        }
    }
    return enabled.empty() ? ", not enabled" : ", enabled:" + enabled;
}

std::string systemFileRows() {
    const bool acpidRuns = fs::exists("/run/acpid.socket");
    return row("display key", installed(LCDCRT_ACPI_EVENT_FILE) +
                                  (acpidRuns ? ", acpid running" : ", acpid not running")) +
           row("sleep hook", installed(LCDCRT_SLEEP_HOOK)) +
           row("boot unit", installed(LCDCRT_BOOT_UNIT) +
                                (fs::exists(LCDCRT_BOOT_UNIT) ? enabledInstances() : ""));
}

}  // namespace

int runDiagnosis(PortLibrary& ports) {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    // One row after the other: the lock file's row must see what the probe left.
    std::string report = row(
        "program", program.filename().string() + " " + kVersionText + " for " LCDCRT_ARCHITECTURE);
    report += controllerRows(ports);
    report += row("session", variable("XDG_SESSION_TYPE") + ", " + variable("DISPLAY") + ", " +
                                 variable("WAYLAND_DISPLAY"));
    report += capabilityRow(program);
    report += kernelRow();
    report += lockFileRow();
    report += systemFileRows();
    writeText(stdout, report, N_("to standard output"));
    return kExitEnded;
}

}  // namespace lcdcrt
