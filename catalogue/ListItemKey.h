// Items of ListView1 keep the full path of their extracted file under this role; it is the only
// place that holds an item's path.
#pragma once

#include <Qt>

namespace morvane {

inline constexpr int kListItemKeyRole = Qt::UserRole;

}  // namespace morvane
