// Items of ListView1 keep the full path of their extracted file under this role; it is the only
// place that holds an item's path. Beside it each item keeps the 1-based index of its picture in
// the list's image list, which stays when other items are removed.
#pragma once

#include <QString>
#include <Qt>
#include <optional>

#include "ResourceKind.h"

namespace morvane {

inline constexpr int kListItemKeyRole = Qt::UserRole;
inline constexpr int kListItemIconRole = Qt::UserRole + 1;

// The kind an item file's ending names, in any letter case ("x.dll_3.ico" is an ICO); none for a
// file of no kind.
inline std::optional<ResourceKind> KindOfItemFile(const QString& path) {
    if (path.size() < 4 || path[path.size() - 4] != u'.') return std::nullopt;
    return ParseKind(path.right(3).toStdString());
}

}  // namespace morvane
