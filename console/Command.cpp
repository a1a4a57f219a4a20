#include "console/Command.h"

#include <array>
#include <utility>

#include "base/FatalError.h"
#include "base/QuotedText.h"
#include "base/TextOutput.h"
#include "base/Translation.h"
#include "base/Version.h"

namespace lcdcrt {

namespace {

struct ModeName {
    std::string_view name;
    Command::Mode mode;
    bool takesPanel;
};

constexpr std::array kModes = {
    ModeName{"--lcd", Command::Mode::Lcd, true},
    ModeName{"--crt", Command::Mode::Crt, false},
    ModeName{"--status", Command::Mode::Status, false},
    ModeName{"--toggle", Command::Mode::Toggle, true},
    ModeName{"--diagnose", Command::Mode::Diagnose, false},
    ModeName{"--help", Command::Mode::Help, false},
    ModeName{"-h", Command::Mode::Help, false},
    ModeName{"--version", Command::Mode::Version, false},
    ModeName{"-V", Command::Mode::Version, false},
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool looksLikeOption(std::string_view text) {
    const std::size_t dashes = text.starts_with("--") ? 2 : text.starts_with("-") ? 1 : 0;
    return dashes > 0 && text.size() > dashes && isLetter(text[dashes]);
}

std::string joined(int first, int argc, char** argv) {
    std::string text;
    for (int i = first; i < argc; ++i) {
        if (i > first) {
            text += ' ';
        }
        text += argv[i];
    }
    return text;
}

}  // namespace

std::string joinArguments(int argc, char** argv) {
    return joined(1, argc, argv);
}

Command readCommand(int argc, char** argv, std::string_view program) {
    if (argc < 2) {
        return {};
    }
    const std::string_view first = argv[1];
    for (const ModeName& mode : kModes) {
        if (first != mode.name) {
            continue;
        }
        Command command{mode.mode, joined(2, argc, argv)};
        if (!mode.takesPanel && argc > 2) {
            throw FatalError(formatted(tr("unexpected %s after %s; see '%s --help'"),
                                       quotedText(command.panelText).c_str(),
                                       std::string(mode.name).c_str(),
                                       std::string(program).c_str()));
        }
        return command;
    }
    if (looksLikeOption(first)) {
        throw FatalError(formatted(tr("unknown option %s; see '%s --help'"),
                                   quotedText(first).c_str(), std::string(program).c_str()));
    }
    return {Command::Mode::Window, joined(1, argc, argv)};
}

bool answerInformationRequest(const Command& command, std::string_view program) {
    if (command.mode != Command::Mode::Help && command.mode != Command::Mode::Version) {
        return false;
    }
    writeText(stdout,
              command.mode == Command::Mode::Help ? helpText(program) : versionText(program),
              N_("to standard output"));
    return true;
}

std::string versionText(std::string_view program) {
    return std::string(program) + " " + kVersionText + "\n";
}

std::string helpText(std::string_view program) {
    const std::string programName(program);
    const char* const name = programName.c_str();
    return formatted(
        tr("Usage: %s [PANEL]          the window\n"
           "       %s --lcd [PANEL]    switch to the LCD configuration\n"
           "       %s --crt            switch to the CRT configuration\n"
           "       %s --toggle [PANEL] switch to the other one, print the new state\n"
           "       %s --status         print the configuration in force\n"
           "       %s --diagnose       print what a bug report needs; writes nothing\n"
           "       %s -h, --help       this text\n"
           "       %s -V, --version    the version\n"
           "\n"
           "Switches the display controller between its LCD and CRT configurations.\n"
           "The window writes the LCD configuration at start and stays minimised:\n"
           "LCD>CRT>(7) (Alt+7) switches to the other configuration, END (6) (Alt+6) ends.\n"
           "Its title, and the line the console modes print, tell which is in force:\n"
           "LCD_T panel P, CRT, or unknown: followed by the registers that differ.\n"
           "\n"
           "PANEL  a whole number from -130 to 125 for the LCD panel register 0x56,\n"
           "       which receives PANEL + 2; without it, 0.\n"
           "\n"
           "Exit status: 0 done, 1 error (reported), 2 display controller not found,\n"
           "3 --status found neither configuration.\n"),
        name, name, name, name, name, name, name, name);
}

}  // namespace lcdcrt
