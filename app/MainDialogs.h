// The dialogs of the main window's commands: options, language, help page and about box, each
// shown over the window that asks and working on the settings record.
#pragma once

#include <QString>

#include "DialogCommands.h"
#include "OutputRootChoice.h"

namespace morvane {

class MessageBoxes;
struct ScanSettings;

class MainDialogs final : public DialogCommands {
  public:
    // `appTitle` is read when a dialog opens, as start-up sets it after this is made;
    // `appFolder` ends with the path separator and holds the language files and help pages.
    MainDialogs(ScanSettings& settings, MessageBoxes& boxes, const QString& appTitle,
                QString appFolder, OutputRootChoice outputRoot)
        : settings_(settings),
          boxes_(boxes),
          appTitle_(appTitle),
          appFolder_(std::move(appFolder)),
          outputRoot_(std::move(outputRoot)) {}

    void ShowOptions(QWidget& owner, const QString& title) override;
    void ShowLanguages(QWidget& owner, const QString& title) override;
    void ShowHelp() override;
    void ShowAbout(QWidget& owner, const std::optional<QString>& menuCaption) override;

  private:
    ScanSettings& settings_;
    MessageBoxes& boxes_;
    const QString& appTitle_;
    const QString appFolder_;
    const OutputRootChoice outputRoot_;
};

}  // namespace morvane
