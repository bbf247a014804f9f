// Handing a file to the system's default "open" action. The window program and tests install
// their own opener. An opener tells only whether a program could be started for the file: what
// that program then makes of it is its own affair.
#pragma once

#include <string>

namespace morvane {

class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    // False when no program could be started (on Linux: no xdg-open on the PATH, or one that
    // failed at once, finding no program for the file). It waits at most a second.
    virtual bool Open(const std::string& target) = 0;
};

// The opener of the operating system itself.
ShellOpener& SystemShellOpener();

// Replaces the process-wide opener (nullptr restores the system's); returns the previous one.
ShellOpener* SetShellOpener(ShellOpener* opener);

// Opens `target` (a full path) with its associated program through the current opener; false
// when no program could be started.
bool ShellOpen(const std::string& target);

}  // namespace morvane
