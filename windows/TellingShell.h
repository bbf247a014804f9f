// The window program's opener: the system's open action, and a box that says so when no program
// could be started for a file, so that Open, Help, the translation command and the scan log's
// button never fail where only a terminal would see it.
#pragma once

#include <QString>

#include "ShellOpen.h"

namespace morvane {

class MessageBoxes;
class MessageTable;

class TellingShell final : public ShellOpener {
  public:
    TellingShell(ShellOpener& opener, MessageBoxes& boxes) : opener_(opener), boxes_(boxes) {}

    // The boxes' title and words, read when a failure is told (start-up fills them later). Until
    // they are given, a failure is only returned.
    void SetWords(const QString& title, const MessageTable& messages) {
        title_ = &title;
        messages_ = &messages;
    }

    bool Open(const std::string& target) override;

  private:
    ShellOpener& opener_;
    MessageBoxes& boxes_;
    const QString* title_ = nullptr;
    const MessageTable* messages_ = nullptr;
};

}  // namespace morvane
