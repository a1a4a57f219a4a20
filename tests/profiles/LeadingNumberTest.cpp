#include "profiles/LeadingNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "base/FatalError.h"

namespace lcdcrt {
namespace {

const std::string kZeros(100'000, '0');

// Each text with what it reads, or nothing where it must be refused as beyond the range
// of a double.
TEST(ReadLeadingNumber, ReadsTheNumberAtTheStartOrRefusesOneBeyondTheDoubles) {
    const struct {
        std::string text;
        std::optional<double> expected;
    } cases[] = {{"", 0},
                 {"abc", 0},
                 {"3xyz", 3},
                 {".5", 0.5},
                 {"5.", 5},
                 {"-", 0},
                 {"+5", 5},
                 {".", 0},
                 {"1 2", 12},
                 {" \t\n-1\t2 .\n5", -12.5},
                 {"\r5", 0},
                 {"--5", 0},
                 {"+-5", 0},
                 {"1.2.3", 1.2},
                 {"000.00012e4", 1.2},
                 {"1e 2", 100},
                 {"1 E - 2", 0.01},
                 {"1e", 1},
                 {"1e+", 1},
                 {"1ex", 1},
                 {"1d3", 1},
                 {"&H1f", 31},
                 {"& h F f", 255},
                 {"-&H10", -16},
                 {"&H", 0},
                 {"&H1.5", 1},
                 {"&H1p4", 1},
                 {"&O17", 15},
                 {"&O8", 0},
                 {"&O78", 7},
                 {"&X1", 0},
                 {"&O1" + std::string(341, '0'), 0x1p1023},
                 {"1.7976931348623157e308", std::numeric_limits<double>::max()},
                 {"5e-324", std::numeric_limits<double>::denorm_min()},
                 {"1e-400", 0},
                 {"1e-99999999999999999999999", 0},
                 {kZeros + "7", 7},
                 {"0." + kZeros + "1e100001", 1},
                 {"1,5", 1},
                 {std::string{'\xff', '5'}, 0},
                 {std::string{'7', '\0', '8'}, 7},
                 {"1e400", std::nullopt},
                 {"-1e400", std::nullopt},
                 {"1.7976931348623159e308", std::nullopt},
                 {"1e99999999999999999999999", std::nullopt},
                 {"1" + kZeros, std::nullopt},
                 {"&H1" + std::string(256, '0'), std::nullopt},
                 {"-&O2" + std::string(341, '0'), std::nullopt}};
    for (const auto& c : cases) {
        if (c.expected) {
            EXPECT_EQ(readLeadingNumber(c.text), *c.expected) << c.text;
        } else {
            EXPECT_THROW(readLeadingNumber(c.text), FatalError) << c.text;
        }
    }
}

TEST(ReadLeadingNumber, UsesOnlyTheDotWhateverTheLocale) {
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr &&
            std::string(std::localeconv()->decimal_point) == ",") {
            found = name;
            break;
        }
    }
    if (found == nullptr) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const double dotted = readLeadingNumber("1.5");
    const double commaed = readLeadingNumber("1,5");
    const std::string text = numberToText(-2.25);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(dotted, 1.5) << found;
    EXPECT_EQ(commaed, 1) << found;
    EXPECT_EQ(text, "-2.25") << found;
}

TEST(NumberToText, WritesTextThatReadsBack) {
    const struct {
        double value;
        std::string expected;  // empty: only the reading back is checked
    } cases[] = {{598, "598"},
                 {-32682, "-32682"},
                 {0, "0"},
                 {-0.0, "0"},
                 {598.256, "598.256"},
                 {999999999999999, "999999999999999"},
                 {-0.5, "-0.5"},
                 {1e300, "1e+300"},
                 {1.0 / 3, ""},
                 {std::numeric_limits<double>::max(), ""},
                 {std::numeric_limits<double>::denorm_min(), ""}};
    for (const auto& c : cases) {
        const std::string text = numberToText(c.value);
        if (!c.expected.empty()) {
            EXPECT_EQ(text, c.expected);
        }
        const double back = readLeadingNumber(text);
        EXPECT_EQ(numberToText(back), text);
        EXPECT_LE(std::abs(back - c.value), std::abs(c.value) * 5e-15) << text;
    }
}

}  // namespace
}  // namespace lcdcrt
