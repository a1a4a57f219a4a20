#pragma once

#include <string>
#include <string_view>

namespace lcdcrt {

// Reads the number at the start of `text`, the way the program has always read its
// command line:
//  - spaces, tabs and line feeds are skipped wherever they stand ("1 2" reads 12);
//  - an optional "+" or "-";
//  - decimal digits with at most one "." (only "." is a decimal point, whatever the
//    locale), then an optional exponent: "E" or "e", an optional sign, digits;
//  - or, instead of decimal digits, "&H" and hexadecimal digits or "&O" and octal digits;
//  - reading stops at the first character that cannot continue the number, and text
//    that starts with no number reads as 0.
// A number beyond the range of double throws FatalError.
double readLeadingNumber(std::string_view text);

// Decimal text for `value` that reads back with readLeadingNumber to the same number,
// to 15 significant digits: whole numbers as plain digits (with "-" when negative),
// others with "." as the decimal point.
std::string numberToText(double value);

}  // namespace lcdcrt
