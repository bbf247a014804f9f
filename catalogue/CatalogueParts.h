// The main window's controls the catalogue works on, handed to it when it is made, so that it
// never needs the window itself.
#pragma once

#include <array>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QWidget;

namespace morvane {

class CategoryTree;

struct CatalogueParts {
    QWidget* mainWindow = nullptr;
    QListWidget* ListView1 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    // The item menu (the menu bar's edit_menu, also the list's pop-up), its default entry and
    // its three export entries, 48, 32 and 16 pixels.
    QMenu* itemMenu = nullptr;
    QAction* openEntry = nullptr;
    std::array<QAction*, 3> exportEntries{};
    CategoryTree* tree = nullptr;
};

}  // namespace morvane
