// The settings store on top of QSettings: the platform's native per-user store (the registry
// on Windows, a configuration file elsewhere), or any QSettings a caller hands in.
#pragma once

#include <QSettings>
#include <memory>

#include "SettingsStore.h"

namespace morvane {

class QSettingsStore final : public SettingsStore {
  public:
    // Keys are read and written inside the group "Morvane" of `settings`.
    explicit QSettingsStore(std::unique_ptr<QSettings> settings);

    // The user's own store: native format, organisation "Pellam", application "Morvane".
    static std::unique_ptr<QSettingsStore> OpenUserStore();

    // A store in an INI file at `fileName`, for tests and portable set-ups.
    static std::unique_ptr<QSettingsStore> OpenFile(const QString& fileName);

    StoredText Read(QStringView key) const override;
    void Write(QStringView key, const QString& value) override;
    std::optional<QString> Flush() override;

    // Where the store keeps its data (a file path, or a registry path on Windows).
    QString Location() const { return settings_->fileName(); }

  private:
    QString FullKey(QStringView key) const;

    std::unique_ptr<QSettings> settings_;
};

}  // namespace morvane
