#include "Form1Controls.h"

#include "NamedControl.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

namespace morvane {

namespace {

QLabel* MakePanel(QStatusBar* bar, const char* name) {
    auto* panel = MakeNamed<QLabel>(bar, name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel);
    return panel;
}
}  // namespace

Form1Controls Form1Controls::Create(QMainWindow& window) {
    Form1Controls c;
    c.client = new QWidget(&window);
    window.setCentralWidget(c.client);
    c.Toolbar1 = MakeNamed<QToolBar>(c.client, "Toolbar1");
    c.Toolbar1->setMovable(false);
    c.Drive1 = MakeNamed<QComboBox>(c.client, "Drive1");
    c.Dir1 = MakeNamed<QListWidget>(c.client, "Dir1");
    c.File1 = MakeNamed<QListWidget>(c.client, "File1");
    c.Combo1 = MakeNamed<QComboBox>(c.client, "Combo1");
    c.TreeView1 = MakeNamed<QTreeWidget>(c.client, "TreeView1");
    c.ListView1 = MakeNamed<QListWidget>(c.client, "ListView1");
    c.ListView1->setViewMode(QListView::IconMode);
    c.ListView1->setIconSize(QSize(32, 32));
    c.ListView1->setResizeMode(QListView::Adjust);
    c.StatusBar1 = MakeNamed<QStatusBar>(c.client, "StatusBar1");
    c.Panel1 = MakePanel(c.StatusBar1, "Panel1");
    c.Panel2 = MakePanel(c.StatusBar1, "Panel2");
    c.previewCanvas = MakeNamed<QLabel>(c.client, "Picture1");
    c.previewCanvas->hide();
    c.exportCanvas = MakeNamed<QLabel>(c.client, "Picture3");
    return c;
}

}  // namespace morvane
