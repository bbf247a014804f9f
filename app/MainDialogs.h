// The dialogs of the main window's commands: options, language, help page and about box, each
// shown over the main window and working on its settings record.
#pragma once

#include <utility>

#include "DialogCommands.h"
#include "OutputRootChoice.h"

namespace morvane {

class Form1;

class MainDialogs final : public DialogCommands {
  public:
    // The window is attached once it exists (it is given these commands when it is made).
    void Attach(Form1& form1) { form1_ = &form1; }
    // Where the items go, for the about box to tell when it is not the program's folder.
    void SetOutputRoot(OutputRootChoice choice) { outputRoot_ = std::move(choice); }

    void ShowOptions(const QString& title) override;
    void ShowLanguages(const QString& title) override;
    void ShowHelp() override;
    void ShowAbout(const std::optional<QString>& menuCaption) override;

  private:
    Form1* form1_ = nullptr;
    OutputRootChoice outputRoot_;
};

}  // namespace morvane
