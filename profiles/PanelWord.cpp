#include "profiles/PanelWord.h"

#include <cmath>
#include <limits>
#include <string>

#include "controller/FatalError.h"
#include "profiles/LeadingNumber.h"
#include "profiles/QuotedText.h"
#include "profiles/RegisterTable.h"

namespace lcdcrt {

namespace {

constexpr double kPanelScale = 256;
constexpr double kPanelBase = 0x256;

// The whole parameters whose word fits in 16 bits: -130 * 256 + 598 = -32682 is the
// lowest, 125 * 256 + 598 = 32598 the highest.
constexpr const char* kPanelRange = "-130 to 125";

std::string panelParameter(std::string_view commandLine) {
    return "panel parameter " + quotedText(commandLine);
}

}  // namespace

double panelValue(std::string_view commandLine) {
    const double value = readLeadingNumber(commandLine) * kPanelScale + kPanelBase;
    if (!std::isfinite(value)) {
        throw FatalError(panelParameter(commandLine) + " is too large");
    }
    return value;
}

std::int16_t panelWord(std::string_view valueText, std::string_view commandLine) {
    // nearbyint rounds in the current rounding mode: to nearest, ties to even, as the
    // program never changes it.
    const double rounded = std::nearbyint(readLeadingNumber(valueText));
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        throw FatalError(panelParameter(commandLine) + " is out of range (" + kPanelRange + ")");
    }
    const auto word = static_cast<std::int16_t>(rounded);
    if ((static_cast<std::uint16_t>(word) & 0xFFU) != kPanelRegister) {
        throw FatalError(panelParameter(commandLine) + " is not a whole number from " +
                         kPanelRange);
    }
    return word;
}

}  // namespace lcdcrt
