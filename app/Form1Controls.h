// The controls of the main window's client area, each with its control name as object name.
// They are placed by hand in twips rather than by a layout, since the resize rules say exactly
// where each goes.
#pragma once

class QComboBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QStatusBar;
class QToolBar;
class QTreeWidget;
class QWidget;

namespace morvane {

struct Form1Controls {
    QWidget* client = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QComboBox* Drive1 = nullptr;
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QListWidget* ListView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    // Hidden drawing surfaces of the item previews (Picture1) and of picture export (Picture3).
    QLabel* previewCanvas = nullptr;
    QLabel* exportCanvas = nullptr;

    // Makes the controls inside a new client area, which becomes the window's central widget.
    static Form1Controls Create(QMainWindow& window);
};

}  // namespace morvane
