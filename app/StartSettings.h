// The options as start-up takes them: the stored record, with a language that exists.
#pragma once

#include <QString>

#include "ScanSettings.h"

namespace morvane {

class MessageSink;
class SettingsStore;

// LoadSettings, then the language made safe by ChooseStartLanguage against `appFolder` (ending
// with its separator), telling `messages` when it had to be replaced.
ScanSettings LoadStartSettings(const SettingsStore& store, MessageSink& messages,
                               const QString& appFolder);

}  // namespace morvane
