#include "base/QuotedText.h"

#include <cstddef>

namespace lcdcrt {

namespace {

constexpr std::size_t kShownBytes = 40;

void appendEscaped(std::string& out, unsigned char byte) {
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    switch (byte) {
        case '\t':
            out += "\\t";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '"':
        case '\\':
            out += '\\';
            out += static_cast<char>(byte);
            return;
        default:
            break;
    }
    if (byte >= 0x20 && byte < 0x7F) {
        out += static_cast<char>(byte);
        return;
    }
    out += "\\x";
    out += kHexDigits[byte >> 4U];
    out += kHexDigits[byte & 0xFU];
}

}  // namespace

std::string quotedText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text.substr(0, kShownBytes)) {
        appendEscaped(out, static_cast<unsigned char>(c));
    }
    if (text.size() > kShownBytes) {
        out += "...";
    }
    out += '"';
    return out;
}

}  // namespace lcdcrt
