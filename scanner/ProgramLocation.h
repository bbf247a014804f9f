// Where the running program lies: the one question about the process the core asks the system.
#pragma once

#include <string>

namespace morvane {

// The folder of the running executable, as the system reports it (no trailing separator but
// for a root). Falls back to the current folder where the system cannot tell.
std::string ProgramFolder();

}  // namespace morvane
