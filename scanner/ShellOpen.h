// Handing a file to the system's default "open" action. The window program and tests install
// their own opener; the outcome is never reported.
#pragma once

#include <string>

namespace morvane {

class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    virtual void Open(const std::string& target) = 0;
};

// The opener of the operating system itself.
ShellOpener& SystemShellOpener();

// Replaces the process-wide opener (nullptr restores the system's); returns the previous one.
ShellOpener* SetShellOpener(ShellOpener* opener);

// Opens `target` (a full path) with its associated program through the current opener.
void ShellOpen(const std::string& target);

}  // namespace morvane
