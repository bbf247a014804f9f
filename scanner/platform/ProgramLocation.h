// Where the running program lies: the one question about the process the core asks the system.
#pragma once

#include <string>

namespace morvane {

// The folder of the running executable, as the system reports it (no trailing separator but
// for a root). Falls back to the current folder where the system cannot tell.
std::string ProgramFolder();

// The folder holding the program file at `programFile` (a full path), written the same way. A
// program at a root lies in that root, separator included: C:\morvane.exe gives C:\ .
std::string FolderOfProgramFile(const std::string& programFile);

}  // namespace morvane
