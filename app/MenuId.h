// The main window's menus by identity: the menu bar's four and the holder of the tree's pop-up.
// The command table gives each its name and designed caption.
#pragma once

namespace morvane {

enum class MenuId : int {
    File,
    Options,
    Edit,
    Help,
    NodePopup,
};

inline constexpr int kMenuCount = static_cast<int>(MenuId::NodePopup) + 1;

}  // namespace morvane
