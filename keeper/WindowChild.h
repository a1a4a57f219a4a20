#pragma once

#include <string>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// Runs the window program at `path` with `argv` as a child process that holds no port
// access and no capability, and serves its port requests on `ports` until it ends.
// Returns the child's exit status; a child ended by a signal ends this process the same
// way. SIGINT, SIGTERM, SIGHUP and SIGQUIT sent to this process go on to the child.
int runWindowChild(const std::string& path, char** argv, PortLibrary& ports);

}  // namespace lcdcrt
