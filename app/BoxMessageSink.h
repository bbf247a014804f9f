// The settings' one message, shown as a message box with the application title.
#pragma once

#include "MessageBoxes.h"
#include "MessageSink.h"

namespace morvane {

class BoxMessageSink final : public MessageSink {
  public:
    BoxMessageSink(MessageBoxes& boxes, QString title) : boxes_(boxes), title_(std::move(title)) {}

    void ShowMessage(const QString& text) override { boxes_.Show(title_, text); }

  private:
    MessageBoxes& boxes_;
    QString title_;
};

}  // namespace morvane
