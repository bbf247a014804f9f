// The dialogs of the main window's commands: options, language, help page and about box, each
// shown over the window that asks and working on the session's settings record.
#pragma once

#include "DialogCommands.h"

namespace morvane {

struct Session;

class MainDialogs final : public DialogCommands {
  public:
    explicit MainDialogs(Session& session) : session_(session) {}

    void ShowOptions(QWidget& owner, const QString& title) override;
    void ShowLanguages(QWidget& owner, const QString& title) override;
    void ShowHelp() override;
    void ShowAbout(QWidget& owner, const std::optional<QString>& menuCaption) override;

  private:
    Session& session_;
};

}  // namespace morvane
