#include "profiles/ControllerState.h"

#include <cstdio>

#include "controller/DisplayController.h"
#include "profiles/RegisterTable.h"

namespace lcdcrt {

namespace {

std::uint8_t registerOf(std::int16_t word) {
    return static_cast<std::uint8_t>(static_cast<std::uint16_t>(word) & 0xFFU);
}

// The registers that differ from `table`, each value read back taken as the word that
// would have set it.
std::vector<ControllerState::Register> differences(const RegisterTable& table,
                                                   const TableRegisters& values, bool anyPanel) {
    std::vector<ControllerState::Register> differing;
    for (std::size_t slot = 0; slot < kWrittenSlots; ++slot) {
        const std::uint8_t index = registerOf(table[slot]);
        const auto word = static_cast<std::uint16_t>(index | values[slot] << 8);
        if (!matchesSlot(table, slot, word, anyPanel)) {
            differing.push_back({index, values[slot]});
        }
    }
    return differing;
}

std::string hexByte(std::uint8_t value) {
    char text[5];
    std::snprintf(text, sizeof(text), "0x%02x", value);
    return text;
}

}  // namespace

TableRegisters tableRegisters() {
    const RegisterTable table = crtTable();
    TableRegisters registers{};
    for (std::size_t slot = 0; slot < kWrittenSlots; ++slot) {
        registers[slot] = registerOf(table[slot]);
    }
    return registers;
}

int panelOfWord(std::uint16_t panelWord) {
    return static_cast<std::int8_t>(panelWord >> 8) - 2;
}

ControllerState decodeState(const TableRegisters& values) {
    auto lcd = differences(lcdTable(kPanelRegister), values, true);
    auto crt = differences(crtTable(), values, false);
    if (lcd.empty()) {
        return {ControllerState::Profile::Lcd,
                panelOfWord(static_cast<std::uint16_t>(values[kPanelSlot] << 8)),
                {}};
    }
    if (crt.empty()) {
        return {ControllerState::Profile::Crt, 0, {}};
    }
    return {ControllerState::Profile::Neither, 0, crt.size() < lcd.size() ? crt : lcd};
}

TableRegisters readTableRegisters(PortLibrary& ports) {
    TableRegisters values{};
    const TableRegisters registers = tableRegisters();
    for (std::size_t slot = 0; slot < kWrittenSlots; ++slot) {
        values[slot] = readRegister(ports, registers[slot]);
    }
    return values;
}

std::string stateLine(const ControllerState& state) {
    switch (state.profile) {
        case ControllerState::Profile::Lcd:
            return "LCD_T panel " + std::to_string(state.panel);
        case ControllerState::Profile::Crt:
            return "CRT";
        case ControllerState::Profile::Neither:
            break;
    }
    std::string line = "unknown:";
    for (const auto& reg : state.differing) {
        line += " " + hexByte(reg.index) + "=" + hexByte(reg.value);
    }
    return line;
}

}  // namespace lcdcrt
