#pragma once

#include <string>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// Runs the program with Form1 as its window on `ports`, the user's command-line text
// given as one string. Returns the exit status.
int runProgram(const char* programName, std::string commandLine, PortLibrary& ports);

}  // namespace lcdcrt
