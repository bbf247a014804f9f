// The main window's menus, built from the command table in menu order: the menu bar's four menus
// and hide_menu, the holder of the tree's pop-up, which never shows in the bar. Every menu and
// every entry (separators too) carries its control name as its object name.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;

namespace morvane {

class MainMenus {
  public:
    // Adds the menus to `bar`, captions as designed.
    static MainMenus Build(QMenuBar& bar);

    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    QAction* Entry(const QString& name) const { return entries_.value(name); }
    // The menus' names in menu order.
    QStringList MenuNames() const;
    // Every entry's name, separators included, in menu order.
    const QStringList& EntryNames() const { return order_; }

  private:
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> entries_;
    QStringList order_;
};

}  // namespace morvane
