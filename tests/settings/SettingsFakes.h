// A message sink that records instead of showing a dialog.
#pragma once

#include <QStringList>

#include "MessageSink.h"

namespace morvane::test {

class RecordingMessages final : public MessageSink {
  public:
    QStringList shown;
    void ShowMessage(const QString& text) override { shown << text; }
};

}  // namespace morvane::test
