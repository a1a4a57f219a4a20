#include "profiles/RegisterTable.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "base/FatalError.h"
#include "base/Translation.h"
#include "controller/DisplayController.h"

namespace lcdcrt {

namespace {

// The words of slots 0 to 18, as they go to the controller: low byte the register,
// high byte its value (0x7F1C sets register 0x1C to 0x7F).
using ProfileWords = std::array<std::uint16_t, 19>;

constexpr ProfileWords kLcdWords = {
    0x0019, 0xA01B, 0x7F1C, 0x001D, 0x0530, 0x1431, 0x1332, 0xC64F, 0x0050, 0xC651,
    0x4252, 0x2053, 0xC854, 0x0056, 0x0057, 0xEF64, 0x0765, 0x1C6C, 0x2472,
};

constexpr ProfileWords kCrtWords = {
    0x5719, 0x591B, 0x4F1C, 0x001D, 0x0330, 0x4E31, 0x5932, 0xC04F, 0x2550, 0xC051,
    0x4252, 0x0053, 0x3A54, 0x0056, 0x0357, 0xEF64, 0x0765, 0x1C6C, 0x0472,
};

RegisterTable tableOf(const ProfileWords& words) {
    RegisterTable table{};
    // Words above 0x7FFF keep their bit pattern as negative slots.
    std::ranges::transform(words, table.begin(),
                           [](std::uint16_t word) { return static_cast<std::int16_t>(word); });
    table[kWrittenSlots] = kEndMarker;
    return table;
}

std::int16_t slotAt(const RegisterTable& table, std::size_t slot) {
    if (slot >= table.size()) {
        throw FatalError(
            formatted(tr("the register table has no end marker: stopped after its last slot, %zu"),
                      table.size() - 1));
    }
    return table[slot];
}

}  // namespace

RegisterTable lcdTable(std::int16_t panelWord) {
    RegisterTable table = tableOf(kLcdWords);
    table[kPanelSlot] = panelWord;
    return table;
}

RegisterTable crtTable() {
    return tableOf(kCrtWords);
}

bool matchesSlot(const RegisterTable& table, std::size_t slot, std::uint16_t word, bool anyPanel) {
    const auto expected = static_cast<std::uint16_t>(table[slot]);
    return word == expected || (anyPanel && isPanelWord(expected) && isPanelWord(word));
}

void writeRegisterTable(PortLibrary& ports, const RegisterTable& table) {
    for (std::size_t slot = 0;; ++slot) {
        // Both conditions are taken on every pass, so the slot is read even when its
        // number alone already says to go on.
        const bool fixed = slot < kWrittenSlots;
        const bool continued = slotAt(table, slot) < kEndMarker;
        if (!fixed && !continued) {
            return;
        }
        writeRegisterWord(ports, static_cast<std::uint16_t>(table[slot]));
    }
}

}  // namespace lcdcrt
