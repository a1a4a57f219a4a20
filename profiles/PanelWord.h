#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lcdcrt {

// The LCD profile's register 0x56 takes its value from the panel parameter p, the
// leading number of the command-line text: the panel value x = p * 256 + 598 (0x256),
// so a whole p puts p + 2 in the high byte and keeps 0x56 in the low byte.

// x for the command-line text. Throws FatalError when x overflows a double.
double panelValue(std::string_view commandLine);

// The register word for the panel value held as `valueText` (the text form of x):
// read back, rounded to the nearest integer with ties to even. Throws FatalError, with a
// message that quotes `commandLine`, when the word is outside -32768..32767 or when its
// low byte is not 0x56, which would reprogram another register.
std::int16_t panelWord(std::string_view valueText, std::string_view commandLine);

}  // namespace lcdcrt
