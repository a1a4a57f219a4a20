#include "profiles/RegisterTable.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/FatalError.h"
#include "simulator/SimulatedController.h"

namespace lcdcrt {
namespace {

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
