#include "simulator/SimulatorSettings.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/FatalError.h"
#include "base/Translation.h"

namespace lcdcrt {

namespace {

// A whole number in C notation (decimal, 0x hex or 0 octal) no larger than `limit`.
unsigned long readNumber(const char* variable, const char* text, unsigned long limit) {
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (end == text || *end != '\0' || errno != 0 || text[0] == '-' || value > limit) {
        throw FatalError(
            formatted(tr("%s=\"%s\" is not a number from 0 to %lu"), variable, text, limit));
    }
    return value;
}

}  // namespace

SimulatorSettings readSimulatorSettings() {
    SimulatorSettings settings;
    if (const char* id = std::getenv("LCDCRT_SIM_ID")) {
        settings.identity = static_cast<std::uint8_t>(readNumber("LCDCRT_SIM_ID", id, 0xFF));
    }
    if (const char* after = std::getenv("LCDCRT_SIM_EXIT_AFTER")) {
        settings.exitAfter = readNumber("LCDCRT_SIM_EXIT_AFTER", after, 1'000'000'000);
    }
    if (const char* path = std::getenv("LCDCRT_SIM_LOG")) {
        settings.logPath = path;
    }
    if (const char* path = std::getenv("LCDCRT_SIM_STATE")) {
        settings.statePath = path;
    }
    return settings;
}

}  // namespace lcdcrt
