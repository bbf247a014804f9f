// Reading the options from the store at start-up and writing them back at exit.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ScanSettings.h"
#include "SettingsStore.h"

namespace morvane {

// Reads every option in the record's order, each absent or unusable value taking its default
// ("C:\" for the folder, true for the flags but "limit_search", "read_resources", "check_items"
// "distinct_items" and "unpack_containers", 100 for the limit, 0 (one per processor) for a thread
// count outside 0 to 256, and an empty language, which the start-up's language check turns into the
// program folder's "English.ini"). The language is returned as stored: that check, which needs
// the language files, is the start-up's. "Show_Log" is read separately with ReadShowLog.
ScanSettings LoadSettings(const SettingsStore& store);

// Whether the log window opens at start-up: only a stored "NAI" (or none at all) says yes.
bool ReadShowLog(const SettingsStore& store);

// Writes all eighteen keys, changed or not, starting with "Show_Log" from `logWindowShown`,
// and flushes the store; the reason when the store could not be written.
std::optional<QString> SaveSettings(SettingsStore& store, const ScanSettings& settings,
                                    bool logWindowShown);

}  // namespace morvane
