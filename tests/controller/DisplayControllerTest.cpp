#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controller/DisplayController.h"
#include "controller/SimulatedController.h"

namespace lcdcrt {
namespace {

using Dir = PortAccess::Direction;

TEST(PresenceProbe, PresentOnlyOnExactly0x80WithOneWriteThenOneRead) {
    struct Case {
        std::uint8_t identity;
        bool present;
    };
    for (const Case c : std::vector<Case>{
             {0x80, true}, {0x00, false}, {0x7F, false}, {0x81, false}, {0xFF, false}}) {
        SimulatedController chip(c.identity);
        EXPECT_EQ(probeController(chip), c.present) << int{c.identity};
        const std::vector<PortAccess> expected{{Dir::Out, 0x3D6, Width::Byte, 0x45},
                                               {Dir::In, 0x3D7, Width::Byte, c.identity}};
        EXPECT_EQ(chip.log(), expected) << int{c.identity};
    }
}

TEST(RegisterWord, IsOneWordWriteToTheIndexPortThatSetsTheRegister) {
    SimulatedController chip;
    writeRegisterWord(chip, 0xC64F);
    const std::vector<PortAccess> expected{{Dir::Out, 0x3D6, Width::Word, 0xC64F}};
    EXPECT_EQ(chip.log(), expected);
    EXPECT_EQ(chip.registerValue(0x4F), 0xC6);
    EXPECT_EQ(toAnnotatedText(chip.log().front()), "outw 0x3d6 0xc64f  # reg 0x4f <- 0xc6");
}

TEST(SimulatedController, ReadsAllOnesOffItsPortsAndLogsEachAccessInItsTextForm) {
    SimulatedController chip;
    EXPECT_EQ(chip.DlPortReadPortUlong(0x3C0), 0xFFFFFFFFU);
    chip.DlPortWritePortUchar(0x3D6, 0x1C);
    chip.DlPortWritePortUchar(0x3D7, 0x7F);
    EXPECT_EQ(chip.registerValue(0x1C), 0x7F);
    std::vector<std::string> lines;
    for (const auto& access : chip.log()) {
        lines.push_back(toText(access));
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"inl 0x3c0 0xffffffff", "outb 0x3d6 0x1c",
                                               "outb 0x3d7 0x7f"}));
}

}  // namespace
}  // namespace lcdcrt
