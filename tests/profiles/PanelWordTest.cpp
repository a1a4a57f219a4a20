#include "profiles/PanelWord.h"

#include <gtest/gtest.h>

#include <string>

#include "base/FatalError.h"
#include "profiles/LeadingNumber.h"
#include "profiles/RegisterTable.h"
#include "simulator/SimulatedController.h"

namespace lcdcrt {
namespace {

// What the program does with the command line: the panel value goes through its text form.
std::int16_t wordFor(const std::string& commandLine) {
    return panelWord(numberToText(panelValue(commandLine)), commandLine);
}

TEST(PanelWord, PutsTheParameterInTheHighByteOfRegister0x56) {
    const struct {
        std::string commandLine;
        std::uint16_t word;
    } cases[] = {
        {"", 0x0256},      {"1", 0x0356},           {"-2", 0x0056},  {"125", 0x7F56},
        {"-130", 0x8056},  {"3xyz", 0x0556},        {"abc", 0x0256}, {"1 2", 0x0E56},
        {"0.001", 0x0256}, {"0.001953125", 0x0256},  // 598.5, a tie, rounds to the even 598
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<std::uint16_t>(wordFor(c.commandLine)), c.word) << c.commandLine;
    }
}

// 126, -131, 0.5 and 1e400 are refused the same way end to end, in tests/cases.
TEST(PanelWord, RefusesParametersBeforeAnythingIsWritten) {
    const std::string notWhole = "\" is not a whole number from -130 to 125";
    const struct {
        std::string commandLine;
        std::string message;
    } cases[] = {
        {"0.005859375", "panel parameter \"0.005859375" + notWhole},  // 599.5 rounds to 600
        {"1e307", "panel parameter \"1e307\" is too large"},
        {"126\t\r\"\\" + std::string(50, 'x') + "\xff", "panel parameter \"126\\t\\r\\\"\\\\" +
                                                            std::string(33, 'x') +
                                                            "...\" is out of range "
                                                            "(-130 to 125)"},
    };
    for (const auto& c : cases) {
        SimulatedController controller;
        try {
            writeRegisterTable(controller, lcdTable(wordFor(c.commandLine)));
            ADD_FAILURE() << c.commandLine << " was accepted";
        } catch (const FatalError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_TRUE(controller.log().empty()) << c.commandLine;
    }
}

}  // namespace
}  // namespace lcdcrt
