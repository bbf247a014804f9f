// A shell that remembers what it was asked to open instead of starting programs. It takes the
// place of the system's opener while it lives.
#pragma once

#include <string>
#include <vector>

#include "ShellOpen.h"

namespace morvane::test {

class RecordingShell final : public ShellOpener {
  public:
    RecordingShell() : previous_(SetShellOpener(this)) {}
    ~RecordingShell() override { SetShellOpener(previous_); }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    bool Open(const std::string& target) override {
        opened.push_back(target);
        return starts;
    }

    std::vector<std::string> opened;
    bool starts = true;  // whether a program could be started

  private:
    ShellOpener* previous_;
};

}  // namespace morvane::test
