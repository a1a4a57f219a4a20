#include "profiles/PanelWord.h"

#include <cmath>
#include <limits>
#include <string>

#include "base/FatalError.h"
#include "base/QuotedText.h"
#include "base/Translation.h"
#include "profiles/LeadingNumber.h"
#include "profiles/RegisterTable.h"

namespace lcdcrt {

namespace {

constexpr double kPanelScale = 256;
constexpr double kPanelBase = 0x256;

}  // namespace

double panelValue(std::string_view commandLine) {
    const double value = readLeadingNumber(commandLine) * kPanelScale + kPanelBase;
    if (!std::isfinite(value)) {
        throw FatalError(
            formatted(tr("panel parameter %s is too large"), quotedText(commandLine).c_str()));
    }
    return value;
}

std::int16_t panelWord(std::string_view valueText, std::string_view commandLine) {
    // nearbyint rounds in the current rounding mode: to nearest, ties to even, as the
    // program never changes it.
    const double rounded = std::nearbyint(readLeadingNumber(valueText));
    // The whole parameters whose word fits in 16 bits: -130 * 256 + 598 = -32682 is the
    // lowest, 125 * 256 + 598 = 32598 the highest.
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        throw FatalError(formatted(tr("panel parameter %s is out of range (-130 to 125)"),
                                   quotedText(commandLine).c_str()));
    }
    const auto word = static_cast<std::int16_t>(rounded);
    if (!isPanelWord(static_cast<std::uint16_t>(word))) {
        throw FatalError(formatted(tr("panel parameter %s is not a whole number from -130 to 125"),
                                   quotedText(commandLine).c_str()));
    }
    return word;
}

}  // namespace lcdcrt
