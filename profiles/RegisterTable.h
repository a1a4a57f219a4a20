#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// 26 signed 16-bit slots, each a register word (low byte the register index, high byte
// its value) or the end marker -1. Slot 19 is never filled and goes out as 0x0000.
using RegisterTable = std::array<std::int16_t, 26>;

inline constexpr std::int16_t kEndMarker = -1;

// The writer issues slots 0 to 19; slot 13 of the LCD profile is the panel word, which
// sets register 0x56.
inline constexpr std::size_t kWrittenSlots = 20;
inline constexpr std::size_t kPanelSlot = 13;
inline constexpr std::uint8_t kPanelRegister = 0x56;

// Whether a register word sets register 0x56, as every panel word must.
constexpr bool isPanelWord(std::uint16_t word) {
    return (word & 0xFFU) == kPanelRegister;
}

// The LCD profile with `panelWord` in slot 13 (register 0x56).
RegisterTable lcdTable(std::int16_t panelWord);

// The CRT profile.
RegisterTable crtTable();

// Whether `word` is what `table` writes in `slot`. With `anyPanel` (an LCD table, whose
// panel word the user chooses) every panel word matches the table's panel word.
bool matchesSlot(const RegisterTable& table, std::size_t slot, std::uint16_t word, bool anyPanel);

// Writes slots from 0 upwards, one register word each, while the slot number is below 20
// or the slot holds a value below -1; with the end marker in slot 20 that is exactly
// slots 0 to 19. Throws FatalError instead of reading past the last slot.
void writeRegisterTable(PortLibrary& ports, const RegisterTable& table);

}  // namespace lcdcrt
