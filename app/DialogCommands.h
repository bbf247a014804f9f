// The dialogs the main window opens: options, language, help page and about box. Each is shown
// over the window that asks, and takes the title (or caption) the command gives it.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace morvane {

class DialogCommands {
  public:
    virtual ~DialogCommands() = default;

    virtual void ShowOptions(QWidget& owner, const QString& title) = 0;
    virtual void ShowLanguages(QWidget& owner, const QString& title) = 0;
    virtual void ShowHelp() = 0;
    // The menu entry gives its caption, from which the box makes its title; the toolbar's
    // button gives none, and the box keeps its own.
    virtual void ShowAbout(QWidget& owner, const std::optional<QString>& menuCaption) = 0;
};

}  // namespace morvane
