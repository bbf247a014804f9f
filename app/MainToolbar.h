// Toolbar1: thirteen positions, ten buttons and three separators. A button is known by its key,
// which is what the main window dispatches on.
#pragma once

#include <QString>

class QAction;
class QToolBar;

namespace morvane {

class ToolbarImageList;

// Fills `Toolbar1` with its buttons, tooltips as designed.
void FillToolbar1(QToolBar& Toolbar1, const ToolbarImageList& images);

// The key of a button; empty for a separator.
QString ToolbarKey(const QAction& button);

// The button with `key`; nullptr when there is none.
QAction* ToolbarButton(const QToolBar& Toolbar1, const QString& key);

}  // namespace morvane
