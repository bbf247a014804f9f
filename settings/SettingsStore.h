// The per-user key/value store the options live in, addressed by key inside the program's own
// section. An interface so that the window program uses the real store and tests a file of
// their own.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <utility>

namespace morvane {

// One stored value as the store gives it back.
struct StoredText {
    enum class State {
        Absent,      // no such key
        Text,        // a text (numbers the store keeps natively arrive as their decimal text)
        Unreadable,  // something else is stored there (a list, binary data)
    };
    State state = State::Absent;
    QString text;

    static StoredText Absent() { return {}; }
    static StoredText Of(QString value) { return {State::Text, std::move(value)}; }
    static StoredText Unreadable() { return {State::Unreadable, {}}; }
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    virtual StoredText Read(QStringView key) const = 0;
    virtual void Write(QStringView key, const QString& value) = 0;

    // Makes the writes so far permanent; the reason when that failed.
    virtual std::optional<QString> Flush() = 0;
};

}  // namespace morvane
