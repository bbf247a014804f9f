// The program's message boxes. Windows get them through this interface, so that tests answer
// and observe them instead of a person.
#pragma once

#include <QString>

namespace morvane {

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;

    // A message with an OK button and no icon.
    virtual void Show(const QString& title, const QString& text) = 0;
    // A message with an OK button and the critical-error icon.
    virtual void Critical(const QString& title, const QString& text) = 0;
    // Yes and No with the question icon; true for Yes.
    virtual bool Ask(const QString& title, const QString& text) = 0;
};

}  // namespace morvane
