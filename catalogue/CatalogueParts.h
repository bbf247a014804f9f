// The main window's controls the catalogue works on, handed to it when it is made, so that it
// never needs the window itself.
#pragma once

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
    QMenu* edit_menu = nullptr;
    CategoryTree* tree = nullptr;
};

}  // namespace morvane
