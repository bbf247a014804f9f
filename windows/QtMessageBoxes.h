// The real message boxes: modal QMessageBox dialogs over the active window.
#pragma once

#include "MessageBoxes.h"

namespace morvane {

class QtMessageBoxes final : public MessageBoxes {
  public:
    void Show(const QString& title, const QString& text) override;
    void Critical(const QString& title, const QString& text) override;
    bool Ask(const QString& title, const QString& text) override;
};

}  // namespace morvane
