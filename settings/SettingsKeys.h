// Where the options live in the per-user store and what their keys are called. The names are
// those earlier versions of the program wrote, so existing stores keep working.
#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <string_view>

#include "ResourceKind.h"

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

// The kind flags in the order the store is read and written ("SCAN_ICO" first, "SCAN_ANI"
// last), which is not the order of the category tree.
inline constexpr std::array<ResourceKind, kKindCount> kStoredKindOrder = {
    ResourceKind::ICO, ResourceKind::BMP, ResourceKind::GIF, ResourceKind::JPG, ResourceKind::PNG,
    ResourceKind::WAV, ResourceKind::AVI, ResourceKind::CUR, ResourceKind::MID, ResourceKind::ANI};

// "SCAN_" followed by the kind's three letters.
inline QString ScanKindKey(ResourceKind kind) {
    const std::string_view name = KindName(kind);
    return QStringLiteral("SCAN_") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace morvane
