// Where the options live in the per-user store and what their keys are called. The names are
// those earlier versions of the program wrote, so existing stores keep working.
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

#include "formats/FormatOrders.h"

namespace morvane {

inline constexpr QStringView kSettingsOrganisation = u"Pellam";
inline constexpr QStringView kSettingsApplication = u"Morvane";
inline constexpr QStringView kSettingsGroup = u"Morvane";

inline constexpr QStringView kKeyShowLog = u"Show_Log";
inline constexpr QStringView kKeyLastFolder = u"LastFolder";
inline constexpr QStringView kKeyDeleteOnExit = u"Delete_On_Exit";
inline constexpr QStringView kKeyScanSubFolders = u"SCAN_SUB-FOLDERS";
inline constexpr QStringView kKeyMakeFolderForEachFile = u"make_folder_for_each_file";
inline constexpr QStringView kKeyLimitSearch = u"limit_search";
inline constexpr QStringView kKeyLimitSearchValue = u"limit_search_value";
inline constexpr QStringView kKeyLanguage = u"Language";
inline constexpr QStringView kKeyReadResources = u"read_resources";
inline constexpr QStringView kKeyCheckItems = u"check_items";
inline constexpr QStringView kKeyDistinctItems = u"distinct_items";
inline constexpr QStringView kKeyScanThreads = u"scan_threads";  // 0: one per processor
inline constexpr QStringView kKeyUnpackContainers = u"unpack_containers";

// The kind flags are read and written in kStoredKindOrder (formats/FormatOrders.h), which is not
// the order of the category tree; each under its descriptor's key ("SCAN_ICO").
inline QString ScanKindKey(ResourceKind kind) {
    const std::string_view key = FormatOf(kind).settingsKey;
    return QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace morvane
