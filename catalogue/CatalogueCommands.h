// The item, deleting and export commands. The main window reaches them through its menus, its
// toolbar and the tree's pop-up, and leaves carrying them out to the catalogue.
#pragma once

#include <functional>

namespace morvane {

class CatalogueCommands {
  public:
    virtual ~CatalogueCommands() = default;

    virtual void OpenItem() = 0;
    virtual void DeleteItem() = 0;
    virtual void DeleteAllItems() = 0;
    virtual void ExportIcon(int size) = 0;  // 48, 32 or 16 pixels
    // The tree's pop-up: the selected source node, the selected category, every category.
    virtual void RemoveNode() = 0;
    virtual void ClearCategory() = 0;
    virtual void ClearAllNodes() = 0;
    // The first step of closing the program when "Delete_On_Exit" is set: the tree's files are
    // deleted off the window's thread, and `done` is called on it once they are.
    virtual void DeleteOnExit(std::function<void()> done) = 0;
};

}  // namespace morvane
