#pragma once

#include <string>
#include <string_view>

namespace lcdcrt {

// What the command line asks for: the mode chosen by its first argument, and the panel
// text, the remaining arguments joined with single spaces.
struct Command {
    enum class Mode { Window, Lcd, Crt, Status, Toggle, Diagnose, Help, Version };

    Mode mode = Mode::Window;
    std::string panelText;
};

// Reads the arguments after the program name. A first argument that starts with "-" or
// "--" and a letter must be one of the modes; text after a mode that takes none is
// refused too. Throws FatalError naming the text and pointing to `program --help`, before
// anything touches a port. Every other text is the window's panel parameter.
Command readCommand(int argc, char** argv, std::string_view program);

// The arguments after the program name, joined with single spaces: the window's panel
// text.
std::string joinArguments(int argc, char** argv);

// The texts of --help and --version.
std::string helpText(std::string_view program);
std::string versionText(std::string_view program);

// Writes the text --help or --version asks for, and says whether `command` asked for one;
// throws FatalError when the text cannot be written.
bool answerInformationRequest(const Command& command, std::string_view program);

}  // namespace lcdcrt
