#include "Form1Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

namespace morvane {

namespace {
template <typename Control>
Control* Make(QWidget* parent, const char* name) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QLabel* MakePanel(QStatusBar* bar, const char* name) {
    auto* panel = Make<QLabel>(bar, name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel);
    return panel;
}
}  // namespace

Form1Controls Form1Controls::Create(QMainWindow& window) {
    Form1Controls c;
    c.client = new QWidget(&window);
    window.setCentralWidget(c.client);
    c.Toolbar1 = Make<QToolBar>(c.client, "Toolbar1");
    c.Toolbar1->setMovable(false);
    c.Drive1 = Make<QComboBox>(c.client, "Drive1");
    c.Dir1 = Make<QListWidget>(c.client, "Dir1");
    c.File1 = Make<QListWidget>(c.client, "File1");
    c.Combo1 = Make<QComboBox>(c.client, "Combo1");
    c.TreeView1 = Make<QTreeWidget>(c.client, "TreeView1");
    c.ListView1 = Make<QListWidget>(c.client, "ListView1");
    c.ListView1->setViewMode(QListView::IconMode);
    c.ListView1->setIconSize(QSize(32, 32));
    c.ListView1->setResizeMode(QListView::Adjust);
    c.StatusBar1 = Make<QStatusBar>(c.client, "StatusBar1");
    c.Panel1 = MakePanel(c.StatusBar1, "Panel1");
    c.Panel2 = MakePanel(c.StatusBar1, "Panel2");
    c.Picture1 = Make<QLabel>(c.client, "Picture1");
    c.Picture1->hide();
    c.Picture3 = Make<QLabel>(c.client, "Picture3");
    return c;
}

}  // namespace morvane
