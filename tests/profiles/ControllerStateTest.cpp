#include "profiles/ControllerState.h"

#include <gtest/gtest.h>

#include "profiles/RegisterTable.h"
#include "simulator/SimulatedController.h"

namespace lcdcrt {
namespace {

// The registers as a table left them, with `change` applied, read back and decoded.
template <typename Change>
std::string decodedAfter(const RegisterTable& table, Change change) {
    SimulatedController chip;
    writeRegisterTable(chip, table);
    TableRegisters values = readTableRegisters(chip);
    change(values);
    return stateLine(decodeState(values));
}

TEST(ControllerState, NamesTheTableInForceOrTheRegistersThatDiffer) {
    const auto same = [](TableRegisters&) {};
    const auto set = [](std::size_t slot, std::uint8_t value) {
        return [=](TableRegisters& values) { values[slot] = value; };
    };
    const struct {
        std::string line;
        std::string expected;
    } cases[] = {
        {decodedAfter(lcdTable(-32682), same), "LCD_T panel -130"},
        {decodedAfter(lcdTable(0x0056), same), "LCD_T panel -2"},
        {decodedAfter(lcdTable(0x0256), same), "LCD_T panel 0"},
        {decodedAfter(lcdTable(0x7F56), same), "LCD_T panel 125"},
        {decodedAfter(crtTable(), same), "CRT"},
        {decodedAfter(lcdTable(0x0256), set(1, 0x12)), "unknown: 0x1b=0x12"},
        {decodedAfter(crtTable(), set(19, 0x01)), "unknown: 0x00=0x01"},
        {decodedAfter(crtTable(), set(13, 0x07)), "unknown: 0x56=0x07"},
        {decodedAfter(crtTable(), [](TableRegisters& v) { v[1] = 0x12, v[13] = 0x07; }),
         "unknown: 0x1b=0x12 0x56=0x07"},
        {decodedAfter(crtTable(), [](TableRegisters& v) { v.fill(0); }),
         "unknown: 0x1b=0x00 0x1c=0x00 0x30=0x00 0x31=0x00 0x32=0x00 0x4f=0x00 0x51=0x00 "
         "0x52=0x00 0x53=0x00 0x54=0x00 0x64=0x00 0x65=0x00 0x6c=0x00 0x72=0x00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.line, c.expected);
    }
}

}  // namespace
}  // namespace lcdcrt
