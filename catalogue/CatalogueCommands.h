// The item, deleting and export commands. The main window reaches them through its menus, its
// toolbar and the tree's pop-up, and leaves carrying them out to the catalogue.
#pragma once

namespace morvane {

class CatalogueCommands {
  public:
    virtual ~CatalogueCommands() = default;

    virtual void OpenItem() = 0;            // play_now_menu, "run_file"
    virtual void DeleteItem() = 0;          // delete_item_menu, "DELETE"
    virtual void DeleteAllItems() = 0;      // delete_all_menu, "DELETE_ALL"
    virtual void ExportIcon(int size) = 0;  // bmp_menu 48, ico_menu 32, save_as_16_ico 16
    virtual void RemoveNode() = 0;          // remove_node_item
    virtual void ClearCategory() = 0;       // clear_node_category
    virtual void ClearAllNodes() = 0;       // clear_node
    // The first step of closing the program when "Delete_On_Exit" is set.
    virtual void DeleteOnExit() = 0;
};

}  // namespace morvane
