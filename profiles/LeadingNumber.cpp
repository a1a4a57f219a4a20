#include "profiles/LeadingNumber.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <system_error>

#include "base/FatalError.h"
#include "base/QuotedText.h"
#include "base/Translation.h"

namespace lcdcrt {

namespace {

// A number m is the magnitude of lies in [10^(m-1), 10^m). Above 309 every number exceeds
// the largest double (about 1.8e308); below -323 every one is closer to 0 than to the
// smallest subnormal (about 4.9e-324).
constexpr std::int64_t kLargestMagnitude = 309;
constexpr std::int64_t kSmallestMagnitude = -323;

// Exponent digits saturate here, far beyond both limits, so no text overflows the count.
constexpr std::int64_t kExponentLimit = 1'000'000'000;

// Near the largest double, 15 significant digits round up past it and would no longer
// read back; the shortest exact form is written there instead.
constexpr double kLargestFifteenDigits = 1.79769313486231e308;

// Written out rather than taken from <cctype>, whose classes follow the process locale
// and whose blanks also include "\r", "\v" and "\f".
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
bool isHexDigit(char c) {
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Walks the text one character at a time, passing over blanks wherever they stand.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    // The current character; '\0' at the end, which, like a NUL byte, continues no number.
    char peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }

    void advance() {
        ++position_;
        skipBlanks();
    }

    // Moves past the current character when it is one of `choices`.
    bool accept(std::string_view choices) {
        if (choices.find(peek()) == std::string_view::npos) {
            return false;
        }
        advance();
        return true;
    }

  private:
    void skipBlanks() {
        while (position_ < text_.size() && isBlank(text_[position_])) {
            ++position_;
        }
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

FatalError tooLarge(std::string_view text) {
    return FatalError(formatted(tr("number %s is too large"), quotedText(text).c_str()));
}

// The exponent after "E": an optional sign, then digits. Without digits it is 0, which
// leaves the number as if the "E" had not been there.
std::int64_t readExponent(Cursor& cursor) {
    const bool negative = cursor.peek() == '-';
    cursor.accept("+-");
    std::int64_t exponent = 0;
    for (; isDecimalDigit(cursor.peek()); cursor.advance()) {
        exponent = std::min(exponent * 10 + (cursor.peek() - '0'), kExponentLimit);
    }
    return negative ? -exponent : exponent;
}

// Digits with at most one ".", then an optional exponent. The accepted characters are
// rewritten as "0.<significant digits>e<magnitude>", which std::from_chars reads with "."
// whatever the locale, and whose magnitude tells overflow from underflow.
double readDecimal(Cursor& cursor, std::string_view text) {
    std::string normalised = "0.";
    const std::size_t prefix = normalised.size();
    std::int64_t magnitude = 0;
    bool afterPoint = false;
    for (;; cursor.advance()) {
        const char c = cursor.peek();
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (!isDecimalDigit(c)) {
            break;
        }
        const bool leadingZero = c == '0' && normalised.size() == prefix;
        if (!leadingZero) {
            normalised += c;
        }
        if (!afterPoint && !leadingZero) {
            ++magnitude;
        } else if (afterPoint && leadingZero) {
            --magnitude;
        }
    }
    if (cursor.accept("Ee")) {
        magnitude += readExponent(cursor);
    }
    if (normalised.size() == prefix || magnitude < kSmallestMagnitude) {
        return 0;
    }
    if (magnitude > kLargestMagnitude) {
        throw tooLarge(text);
    }
    normalised += 'e';
    normalised += std::to_string(magnitude);
    double value = 0;
    const auto result =
        std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            throw tooLarge(text);
        }
        return 0;
    }
    return value;
}

// Octal digits (without leading zeros) regrouped as hexadecimal digits of the same value.
std::string octalAsHex(std::string_view octal) {
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string hex;
    unsigned bits = 0;
    // Start with the zero bits that pad the whole to a multiple of four.
    std::size_t pending = (4 - 3 * octal.size() % 4) % 4;
    for (const char digit : octal) {
        bits = (bits << 3U) | static_cast<unsigned>(digit - '0');
        pending += 3;
        while (pending >= 4) {
            pending -= 4;
            hex += kHexDigits[(bits >> pending) & 0xFU];
        }
        bits &= (1U << pending) - 1;
    }
    return hex;
}

// After "&": "H" and hexadecimal digits or "O" and octal digits, a whole number of any
// length. Anything else after "&" is no number.
double readHexOrOctal(Cursor& cursor, std::string_view text) {
    const bool hex = cursor.accept("Hh");
    if (!hex && !cursor.accept("Oo")) {
        return 0;
    }
    std::string digits;
    for (; hex ? isHexDigit(cursor.peek()) : isOctalDigit(cursor.peek()); cursor.advance()) {
        if (!digits.empty() || cursor.peek() != '0') {
            digits += cursor.peek();
        }
    }
    if (digits.empty()) {
        return 0;
    }
    if (!hex) {
        digits = octalAsHex(digits);
    }
    // Only digits reach from_chars, so it never sees a "p" exponent of its own.
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range) {
        throw tooLarge(text);
    }
    return value;
}

}  // namespace

double readLeadingNumber(std::string_view text) {
    Cursor cursor(text);
    const bool negative = cursor.peek() == '-';
    cursor.accept("+-");
    const double value =
        cursor.accept("&") ? readHexOrOctal(cursor, text) : readDecimal(cursor, text);
    return negative ? -value : value;
}

std::string numberToText(double value) {
    if (!std::isfinite(value)) {
        throw FatalError(tr("an infinite number cannot be written as text"));
    }
    if (value == 0) {
        return "0";  // also for -0
    }
    // Enough for a sign, 17 digits, a point and "e-308".
    std::array<char, 32> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    // General form writes whole numbers below 1e15 as plain digits and others with up to
    // 15 significant digits, switching to an exponent only for very large or small values.
    char* const end = std::abs(value) > kLargestFifteenDigits
                          ? std::to_chars(first, last, value).ptr
                          : std::to_chars(first, last, value, std::chars_format::general, 15).ptr;
    return std::string(first, end);
}

}  // namespace lcdcrt
