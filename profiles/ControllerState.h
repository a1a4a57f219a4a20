#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// The 20 registers the two register tables write, in the tables' order.
using TableRegisters = std::array<std::uint8_t, 20>;
TableRegisters tableRegisters();

// Which configuration the registers hold. LCD: every register as the LCD table sets it,
// with the panel parameter read back from register 0x56 (which holds panel + 2, so every
// value stands for a panel from -130 to 125). CRT: every register as the CRT table sets
// it. Otherwise neither, with the registers that differ from the nearer table.
struct ControllerState {
    enum class Profile { Lcd, Crt, Neither };
    struct Register {
        std::uint8_t index;
        std::uint8_t value;
    };

    Profile profile;
    int panel = 0;                    // with Lcd
    std::vector<Register> differing;  // with Neither, in the tables' order
};

// `values` holds the registers of tableRegisters(), in that order.
ControllerState decodeState(const TableRegisters& values);

// Reads the registers of tableRegisters() back from the controller, each by a byte write
// of its index to 0x3D6 and a byte read of 0x3D7.
TableRegisters readTableRegisters(PortLibrary& ports);

// The state as one line, in the words of the window's title: "LCD_T panel 5", "CRT",
// "unknown: 0x1b=0x12 0x56=0x07".
std::string stateLine(const ControllerState& state);

// The panel parameter a panel word sets.
int panelOfWord(std::uint16_t panelWord);

}  // namespace lcdcrt
