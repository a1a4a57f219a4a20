#pragma once

#include <cstdint>
#include <string>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// One I/O access as the simulated controller records it.
struct PortAccess {
    enum class Direction : std::uint8_t { In, Out };

    Direction direction;
    std::int32_t port;
    Width width;
    std::uint32_t value;

    bool operator==(const PortAccess&) const = default;
};

// The access as one line, `outw 0x3d6 0x7f1c`: the x86 mnemonic, the port and the value
// in lower-case hex, the value padded to the access width. This is the form the
// simulator logs and the emulated-x86 check records, so the two can be compared.
std::string toText(const PortAccess& access);

// The same line followed by a decoding comment where one helps a reader,
// `outw 0x3d6 0x7f1c  # reg 0x1c <- 0x7f`.
std::string toAnnotatedText(const PortAccess& access);

}  // namespace lcdcrt
