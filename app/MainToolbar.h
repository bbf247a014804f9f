// Toolbar1: thirteen positions, ten buttons and three separators, from the command table. A
// button is known by its key, which is what the main window dispatches on.
#pragma once

#include <QList>
#include <QString>

#include "WindowLanguage.h"

class QAction;
class QToolBar;

namespace morvane {

class MainMenus;
class ToolbarImageList;

// Fills `Toolbar1` with its buttons, tooltips as designed. A command with a menu entry puts
// that entry's action on the toolbar.
void FillToolbar1(QToolBar& Toolbar1, const ToolbarImageList& images, const MainMenus& menus);

// The key of a button; empty for a separator.
QString ToolbarKey(const QAction& button);

// The button with `key`; nullptr when there is none.
QAction* ToolbarButton(const QToolBar& Toolbar1, const QString& key);

// Every button with the menu entry whose caption becomes its tooltip under a language file.
QList<ToolbarTooltip> ToolbarTooltips(const QToolBar& Toolbar1);

}  // namespace morvane
