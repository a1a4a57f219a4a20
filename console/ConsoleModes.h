#pragma once

#include "console/Command.h"
#include "controller/PortLibrary.h"

namespace lcdcrt {

// Carries out a console mode (--lcd, --crt, --status, --toggle) on `ports` as one
// sequence: the probe, then the mode's accesses; prints the state line of --status and
// --toggle on standard output. Returns the exit status; throws FatalError for an error,
// with nothing written to the controller after it. A panel text that makes no panel
// word is refused before any access. --diagnose is runDiagnosis().
int runConsoleMode(const Command& command, PortLibrary& ports);

}  // namespace lcdcrt
