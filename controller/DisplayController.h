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

// Selects register 0x45 and reads it once: what it reads, no retry. The index port is
// left as the probe set it.
std::uint8_t readProbeRegister(PortLibrary& ports);

// The probe: true only when register 0x45 reads exactly 0x80.
bool probeController(PortLibrary& ports);

// Selects `index` with a byte write to the index port and reads the register once.
std::uint8_t readRegister(PortLibrary& ports, std::uint8_t index);

}  // namespace lcdcrt
