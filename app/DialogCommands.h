// The dialogs the main window opens: options, language, help page and about box. Each takes the
// title the command gives it.
#pragma once

#include <QString>
#include <optional>

namespace morvane {

class DialogCommands {
public:
    virtual ~DialogCommands() = default;

    virtual void ShowOptions(const QString& title) = 0;    // select_formats_menu
    virtual void ShowLanguages(const QString& title) = 0;  // select_language_menu
    virtual void ShowHelp() = 0;                           // help_menu
    // about_form gives a title; the toolbar's "INFO" none, and the box keeps its own.
    virtual void ShowAbout(const std::optional<QString>& title) = 0;
};

}  // namespace morvane
