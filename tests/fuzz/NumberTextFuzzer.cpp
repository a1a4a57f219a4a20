// libFuzzer target over the panel parameter's path from text to register word: the
// leading-number reader, numberToText and the panel word. It checks properties that hold
// for every input, never particular values; any failed check aborts, which the fuzzer
// reports as a crash together with the input that caused it.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "base/FatalError.h"
#include "profiles/LeadingNumber.h"
#include "profiles/PanelWord.h"

namespace {

using lcdcrt::FatalError;

void require(bool holds, const char* property, std::string_view text) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\ntext (%zu bytes): %.*s\n", property, text.size(),
                     static_cast<int>(text.size()), text.data());
        std::abort();
    }
}

// What a text reads: a finite number, or nothing when the reader refused it. Any
// exception other than FatalError escapes and ends the run.
std::optional<double> reading(std::string_view text) {
    try {
        const double value = lcdcrt::readLeadingNumber(text);
        require(std::isfinite(value), "a number read is finite", text);
        return value;
    } catch (const FatalError&) {
        return std::nullopt;
    }
}

bool sameReading(std::optional<double> a, std::optional<double> b) {
    if (!a || !b) {
        return !a && !b;
    }
    return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

// numberToText(value) read back: the same number to 15 significant digits. The text is
// within half a unit of the 15th digit (5e-15 relative) and reading it back lands on the
// nearest double, no farther from it than `value` is, so the two differ by at most 1e-14
// of `value`.
void checkRoundTrip(double value, std::string_view origin) {
    std::string text;
    try {
        text = lcdcrt::numberToText(value);
    } catch (const FatalError&) {
        require(!std::isfinite(value), "only a number that is not finite is refused", origin);
        return;
    }
    require(std::isfinite(value), "a number that is not finite is refused", origin);
    const std::optional<double> back = reading(text);
    require(back.has_value(), "the text of a number reads back", text);
    require(std::abs(*back - value) <= std::abs(value) * 1e-14,
            "the text of a number reads back to 15 significant digits", text);
}

// The window's path: panel value, its text, the word read back from that text.
void checkPanelWord(std::string_view commandLine) {
    double value = 0;
    try {
        value = lcdcrt::panelValue(commandLine);
    } catch (const FatalError&) {
        return;
    }
    require(std::isfinite(value), "a panel value is finite", commandLine);
    try {
        const auto word =
            static_cast<std::uint16_t>(lcdcrt::panelWord(lcdcrt::numberToText(value), commandLine));
        require((word & 0xFFU) == 0x56, "a panel word addresses register 0x56", commandLine);
    } catch (const FatalError&) {
        return;
    }
}

}  // namespace

// The whole input is the text. Its first and last bytes also choose where a blank goes
// in, and its middle byte which blank, so the fuzzer steers both while seeds stay plain
// texts.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = reading(text);

    if (size > 0) {
        const std::size_t split = (data[0] * 256U + data[size - 1]) % (size + 1);
        const char blank = " \t\n"[data[size / 2] % 3];
        const std::string spaced = text.substr(0, split) + blank + text.substr(split);
        require(sameReading(value, reading(spaced)), "a blank anywhere changes no reading", spaced);
    }

    if (value) {
        checkRoundTrip(*value, text);
    }
    // Any bit pattern, including infinities, NaNs and subnormals that no short text reads.
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        checkRoundTrip(bits, text);
    }

    checkPanelWord(text);
    return 0;
}
