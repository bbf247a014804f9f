// Items of ListView1 keep the full path of their extracted file under this role; it is the only
// place that holds an item's path. Beside it each item keeps the 1-based index of its picture in
// the list's image list, which stays when other items are removed.
#pragma once

#include <Qt>

namespace morvane {

inline constexpr int kListItemKeyRole = Qt::UserRole;
inline constexpr int kListItemIconRole = Qt::UserRole + 1;

}  // namespace morvane
