#include "app/CommandLine.h"

namespace lcdcrt {

std::string joinArguments(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            text += ' ';
        }
        text += argv[i];
    }
    return text;
}

std::optional<std::string> informationRequest(std::string_view text, std::string_view program) {
    const std::string name(program);
    if (text == "--version") {
        return name + " " LCDCRT_VERSION_TEXT "\n";
    }
    if (text == "--help") {
        return "Usage: " + name +
               " [PANEL]\n"
               "Switches the display controller between its LCD and CRT configurations.\n"
               "It writes the LCD configuration at start and shows a small window, minimised:\n"
               "LCD>CRT>(7) (Alt+7) switches to the other configuration, END (6) (Alt+6) ends.\n"
               "The window's title tells which is in force: LCD_T or CRT.\n"
               "\n"
               "PANEL  a whole number from -130 to 125 for the LCD panel register 0x56,\n"
               "       which receives PANEL + 2; without it, 0.\n"
               "\n"
               "Exit status: 0 ended, 1 error (reported), 2 display controller not found.\n";
    }
    return std::nullopt;
}

}  // namespace lcdcrt
