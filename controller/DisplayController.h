#pragma once

#include <cstdint>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// The controller's extended-register pair. A 16-bit write of a register word to the
// index port sets a register in one access: x86 word I/O is little-endian, so the low
// byte (the register index) lands on 0x3D6 and the high byte (its value) on 0x3D7.
inline constexpr std::int32_t kIndexPort = 0x3D6;
inline constexpr std::int32_t kDataPort = 0x3D7;

// Register 0x45 of the expected controller reads 0x80; anything else is another chip
// or an empty bus.
inline constexpr std::uint8_t kProbeRegister = 0x45;
inline constexpr std::uint8_t kProbeIdentity = 0x80;

// One 16-bit write of `word` to the index port: no read-back, no delay.
void writeRegisterWord(PortLibrary& ports, std::uint16_t word);

// Selects register 0x45 and reads it once: true only on exactly 0x80. No retry, and the
// index port is left as the probe set it.
bool probeController(PortLibrary& ports);

}  // namespace lcdcrt
