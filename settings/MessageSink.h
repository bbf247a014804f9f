// Where the settings code sends the one message it has for the user. The window program shows
// it in a message box with an OK button and the application title; tests record it.
#pragma once

#include <QString>

namespace morvane {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const QString& text) = 0;
};

}  // namespace morvane
