#include "controller/PortAccess.h"

#include <cstdio>

#include "controller/DisplayController.h"

namespace lcdcrt {

namespace {

char widthSuffix(Width width) {
    switch (width) {
        case Width::Byte:
            return 'b';
        case Width::Word:
            return 'w';
        case Width::Long:
            return 'l';
    }
    return '?';
}

}  // namespace

std::string toText(const PortAccess& access) {
    const char* mnemonic = access.direction == PortAccess::Direction::In ? "in" : "out";
    const int digits = 2 * static_cast<int>(access.width);
    char line[48];
    std::snprintf(line, sizeof line, "%s%c 0x%x 0x%0*x", mnemonic, widthSuffix(access.width),
                  static_cast<unsigned>(access.port), digits, access.value);
    return line;
}

std::string toAnnotatedText(const PortAccess& access) {
    std::string line = toText(access);
    if (access.direction != PortAccess::Direction::Out || access.port != kIndexPort) {
        return line;
    }
    char comment[40] = "";
    if (access.width == Width::Word) {
        std::snprintf(comment, sizeof comment, "  # reg 0x%02x <- 0x%02x", access.value & 0xFFU,
                      access.value >> 8U);
    } else if (access.width == Width::Byte) {
        std::snprintf(comment, sizeof comment, "  # select reg 0x%02x", access.value);
    }
    return line + comment;
}

}  // namespace lcdcrt
