// An in-memory settings store that remembers the order of its writes, and a message sink that
// records instead of showing a dialog.
#pragma once

#include <QMap>
#include <QStringList>

#include "MessageSink.h"
#include "SettingsStore.h"

namespace morvane::test {

class MemoryStore final : public SettingsStore {
  public:
    QMap<QString, StoredText> values;
    QStringList writeOrder;
    std::optional<QString> flushError;

    void Put(const QString& key, const QString& text) { values.insert(key, StoredText::Of(text)); }

    StoredText Read(QStringView key) const override {
        return values.value(key.toString(), StoredText::Absent());
    }
    void Write(QStringView key, const QString& value) override {
        writeOrder << key.toString();
        Put(key.toString(), value);
    }
    std::optional<QString> Flush() override { return flushError; }
};

class RecordingMessages final : public MessageSink {
  public:
    QStringList shown;
    void ShowMessage(const QString& text) override { shown << text; }
};

}  // namespace morvane::test
