#pragma once

#include "controller/PortLibrary.h"

namespace lcdcrt {

// Writes the report of --diagnose on standard output: one "name: value" line for each
// fact a supporter asks for first (the program, whether the controller answers and what
// it holds, the session, the capability, the kernel, the lock file, and the key, sleep
// and boot files). Its only accesses are those of --status: the probe and the read-back.
// A controller that cannot be reached is a line of the report, not an error. The report
// stays in English whatever the locale, so that it reads the same in every bug report.
// Returns the exit status, 0; throws FatalError when the report cannot be written.
int runDiagnosis(PortLibrary& ports);

}  // namespace lcdcrt
