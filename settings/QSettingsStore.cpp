#include "QSettingsStore.h"

#include <QVariant>
#include <utility>

#include "SettingsKeys.h"

namespace morvane {

namespace {

bool IsScalar(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QString:
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
            return true;
        default:
            return false;
    }
}

}  // namespace

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

std::unique_ptr<QSettingsStore> QSettingsStore::OpenUserStore() {
    return std::make_unique<QSettingsStore>(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, kSettingsOrganisation.toString(),
        kSettingsApplication.toString()));
}

std::unique_ptr<QSettingsStore> QSettingsStore::OpenFile(const QString& fileName) {
    return std::make_unique<QSettingsStore>(
        std::make_unique<QSettings>(fileName, QSettings::IniFormat));
}

StoredText QSettingsStore::Read(QStringView key) const {
    const QVariant value = settings_->value(FullKey(key));
    if (!value.isValid()) return StoredText::Absent();
    // A hand-edited file may hold "a, b", which QSettings hands back as a list.
    if (!IsScalar(value)) return StoredText::Unreadable();
    return StoredText::Of(value.toString());
}

void QSettingsStore::Write(QStringView key, const QString& value) {
    settings_->setValue(FullKey(key), value);
}

std::optional<QString> QSettingsStore::Flush() {
    settings_->sync();
    switch (settings_->status()) {
        case QSettings::NoError:
            return std::nullopt;
        case QSettings::AccessError:
            return QStringLiteral("The settings could not be written to %1.").arg(Location());
        case QSettings::FormatError:
            return QStringLiteral("The settings in %1 are damaged and were not written.")
                .arg(Location());
    }
    return QStringLiteral("The settings could not be written.");
}

QString QSettingsStore::FullKey(QStringView key) const {
    return kSettingsGroup.toString() + u'/' + key.toString();
}

}  // namespace morvane
