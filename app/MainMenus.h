// The main window's menus, built from the command table in menu order: the menu bar's four menus
// and hide_menu, the holder of the tree's pop-up, which never shows in the bar. Every menu and
// every entry (separators too) carries its control name as its object name.
#pragma once

#include <QStringList>
#include <array>

#include "CommandId.h"
#include "MenuId.h"

class QAction;
class QMenu;
class QMenuBar;

namespace morvane {

class MainMenus {
  public:
    // Adds the menus to `bar`, captions as designed.
    static MainMenus Build(QMenuBar& bar);

    QMenu* Menu(MenuId id) const { return menus_.at(static_cast<std::size_t>(id)); }
    // The command's entry, or for a command of the keyboard alone its action, which is in no
    // menu; nullptr for a command of the toolbar alone.
    QAction* Entry(CommandId id) const { return entries_.at(static_cast<std::size_t>(id)); }
    // The menus' names in menu order.
    QStringList MenuNames() const;
    // Every entry's name, separators included, in menu order.
    const QStringList& EntryNames() const { return order_; }

  private:
    std::array<QMenu*, kMenuCount> menus_{};
    std::array<QAction*, kCommandCount> entries_{};
    QStringList order_;
};

}  // namespace morvane
