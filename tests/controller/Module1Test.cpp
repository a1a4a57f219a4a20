#include <gtest/gtest.h>

#include "controller/DisplayController.h"
#include "controller/FatalError.h"
#include "controller/Module1.h"
#include "controller/SimulatedController.h"

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

}  // namespace
}  // namespace lcdcrt
