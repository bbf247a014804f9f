#include "StartSettings.h"

#include "MessageSink.h"
#include "SettingsPersistence.h"
#include "StartLanguage.h"

namespace morvane {

ScanSettings LoadStartSettings(const SettingsStore& store, MessageSink& messages,
                               const QString& appFolder) {
    ScanSettings settings = LoadSettings(store);
    StartLanguage start = ChooseStartLanguage(settings.language, appFolder);
    settings.language = std::move(start.language);
    if (start.message) messages.ShowMessage(*start.message);
    return settings;
}

}  // namespace morvane
