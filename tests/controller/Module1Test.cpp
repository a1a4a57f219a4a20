#include <gtest/gtest.h>

#include <vector>

#include "base/FatalError.h"
#include "controller/DisplayController.h"
#include "controller/Module1.h"
#include "simulator/SimulatedController.h"
#include "support/ExpectedAccesses.h"

namespace lcdcrt {
namespace {

TEST(Module1, BindsOnTheFirstCallAndReusesTheLibrary) {
    SimulatedController chip;
    int binds = 0;
    Module1 module([&]() -> PortLibrary& {
        ++binds;
        return chip;
    });
    EXPECT_EQ(binds, 0);
    EXPECT_TRUE(probeController(module));
    for (int i = 0; i < 20; ++i) {
        writeRegisterWord(module, 0x0019);
    }
    EXPECT_EQ(binds, 1);
    EXPECT_EQ(chip.log().size(), 22U);
}

TEST(Module1, ARefusedBindingFailsTheFirstCallAndAccessesNothing) {
    SimulatedController chip;
    Module1 module([]() -> PortLibrary& { throw FatalError("ports refused"); });
    EXPECT_THROW(probeController(module), FatalError);
    EXPECT_TRUE(chip.log().empty());
}

// The twelve operations Module1 declares, on the simulated controller: every element one
// access of the operation's width, values read back whole.
TEST(Module1, EachOperationMakesOneAccessOfItsWidthPerElement) {
    SimulatedController chip;
    Module1 module([&]() -> PortLibrary& { return chip; });
    std::uint8_t bytes[] = {0x30, 0x31};
    std::uint16_t words[] = {0x0530, 0x1431};
    std::uint32_t longs[] = {0x1332};
    module.DlPortWritePortUchar(0x3D6, 0x1C);
    module.DlPortWritePortUchar(0x3D7, 0x7F);
    const std::uint32_t byte = module.DlPortReadPortUchar(0x3D7);
    module.DlPortWritePortUshort(0x3D6, 0x4F1B);
    const std::uint32_t word = module.DlPortReadPortUshort(0x3D6);
    module.DlPortWritePortUlong(0x3D6, 0xAAAA591D);
    const std::uint32_t dword = module.DlPortReadPortUlong(0x3D6);
    module.DlPortWritePortBufferUchar(0x3D6, bytes, 2);
    module.DlPortReadPortBufferUchar(0x3D6, bytes, 2);
    module.DlPortWritePortBufferUshort(0x3D6, words, 2);
    module.DlPortReadPortBufferUshort(0x3D6, words, 2);
    module.DlPortWritePortBufferUlong(0x3D6, longs, 1);
    module.DlPortReadPortBufferUlong(0x3D6, longs, 1);

    EXPECT_EQ(testing::loggedAccesses(chip),
              testing::expectedAccesses({"port-library-operations"}));
    EXPECT_EQ((std::vector<std::uint32_t>{byte, word, dword, bytes[0], bytes[1], words[0], words[1],
                                          longs[0]}),
              (std::vector<std::uint32_t>{0x7F, 0x4F1B, 0xFFFF591D, 0x31, 0x31, 0x1431, 0x1431,
                                          0xFFFF1332}));
}

}  // namespace
}  // namespace lcdcrt
