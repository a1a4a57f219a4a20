#pragma once

#include <cstdio>
#include <string_view>

#include "base/FatalError.h"

namespace lcdcrt {

// Makes standard output and standard error fail loudly: a descriptor among 0, 1 and 2
// that was closed is taken by /dev/null opened for reading, so that no file opened
// later becomes standard output, and writes there fail; a closed pipe makes a write fail
// instead of ending the process. Call it first in main.
void guardStandardStreams();

// Writes `text` to `file` and flushes it. When any of it did not arrive (a full disk, a
// closed pipe), throws the FatalError of cannotWrite(what, argument, errno).
void writeText(std::FILE* file, std::string_view text, const char* what, const char* argument = "");

// The error that `what` could not be written: `what` is a message marked with N_(),
// holding at most one %s for `argument`. It is translated only here, when something has
// failed: a run that says nothing never loads the user's locale.
FatalError cannotWrite(const char* what, const char* argument, int error);

// The one place that tells the user about a fatal error in text: a line
// `lcdcrt: <message>` on standard error. Returns the exit status for it.
int reportFatalErrorText(std::string_view message);

// A line `lcdcrt: <message>` on standard error, for what the user must know without it
// being an error of the program.
void tellUser(std::string_view message);

}  // namespace lcdcrt
