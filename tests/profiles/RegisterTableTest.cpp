#include "profiles/RegisterTable.h"

#include <gtest/gtest.h>

#include <vector>

#include "controller/FatalError.h"
#include "controller/SimulatedController.h"

namespace lcdcrt {
namespace {

std::vector<PortAccess> wordWrites(const std::vector<std::uint16_t>& words) {
    std::vector<PortAccess> writes;
    for (const std::uint16_t word : words) {
        writes.push_back({PortAccess::Direction::Out, 0x3D6, Width::Word, word});
    }
    return writes;
}

TEST(WriteRegisterTable, WritesEachProfileAsTwentyWordsInSlotOrder) {
    const struct {
        const char* name;
        RegisterTable table;
        std::vector<std::uint16_t> words;
        std::uint8_t register0x1C;
        std::uint8_t register0x56;
    } cases[] = {
        {"LCD",
         lcdTable(0x0356),
         {0x0019, 0xA01B, 0x7F1C, 0x001D, 0x0530, 0x1431, 0x1332, 0xC64F, 0x0050, 0xC651,
          0x4252, 0x2053, 0xC854, 0x0356, 0x0057, 0xEF64, 0x0765, 0x1C6C, 0x2472, 0x0000},
         0x7F,
         0x03},
        {"CRT",
         crtTable(),
         {0x5719, 0x591B, 0x4F1C, 0x001D, 0x0330, 0x4E31, 0x5932, 0xC04F, 0x2550, 0xC051,
          0x4252, 0x0053, 0x3A54, 0x0056, 0x0357, 0xEF64, 0x0765, 0x1C6C, 0x0472, 0x0000},
         0x4F,
         0x00},
    };
    for (const auto& c : cases) {
        SimulatedController controller;
        writeRegisterTable(controller, c.table);
        EXPECT_EQ(controller.log(), wordWrites(c.words)) << c.name;
        EXPECT_EQ(controller.registerValue(0x1C), c.register0x1C) << c.name;
        EXPECT_EQ(controller.registerValue(0x56), c.register0x56) << c.name;
    }
}

TEST(WriteRegisterTable, GoesOnPastSlot19OnlyWhileSlotsHoldValuesBelowMinusOne) {
    const struct {
        const char* name;
        std::vector<std::int16_t> fromSlot19;
        std::size_t writes;
        bool throws;
    } cases[] = {
        {"marker in slot 20", {-5, -1}, 20, false},
        {"0 in slot 20", {0, 0}, 20, false},
        {"below -1 in slot 20", {0, -2, -1}, 21, false},
        {"no marker at all", {0, -2, -3, -4, -5, -0x7FFF, -0x8000}, 26, true},
    };
    for (const auto& c : cases) {
        RegisterTable table = crtTable();
        std::ranges::copy(c.fromSlot19, table.begin() + 19);
        SimulatedController controller;
        if (c.throws) {
            EXPECT_THROW(writeRegisterTable(controller, table), FatalError) << c.name;
        } else {
            writeRegisterTable(controller, table);
        }
        EXPECT_EQ(controller.log().size(), c.writes) << c.name;
    }
}

}  // namespace
}  // namespace lcdcrt
