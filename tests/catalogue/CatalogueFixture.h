// A catalogue on real files: an output folder with kind folders, a tree and a list of its own,
// message boxes that answer as told and remember what they were shown, and a shell that
// remembers what it was asked to open.
#pragma once

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStringList>
#include <QTreeWidget>
#include <memory>

#include "Catalogue.h"
#include "CategoryTree.h"
#include "MessageBoxes.h"
#include "MessageTable.h"
#include "ScanSettings.h"
#include "Session.h"
#include "ShellOpen.h"
#include "TempFolder.h"
#include "ToolbarImageList.h"

namespace morvane::test {

class AnsweringBoxes final : public MessageBoxes {
  public:
    QStringList shown, critical, asked, titles;  // texts of OK, critical and question boxes
    bool answer = true;

    void Show(const QString& title, const QString& text) override {
        titles << title, shown << text;
    }
    void Critical(const QString& title, const QString& text) override {
        titles << title, critical << text;
    }
    bool Ask(const QString& title, const QString& text) override {
        titles << title, asked << text;
        return answer;
    }
};

class OpeningShell final : public ShellOpener {
  public:
    QStringList opened;
    void Open(const std::string& target) override { opened << QString::fromStdString(target); }
};

class CatalogueFixture {
  public:
    CatalogueFixture();

    // Writes an extracted file KIND/name into the output folder; returns its full path.
    QString Extracted(const QString& kind, const QString& name, const Bytes& bytes = Bytes(10, 7));
    // A source node under its category, with a count.
    QTreeWidgetItem* Node(const QString& kind, const QString& name, int count);
    // A node of `count` items and its files name_1.KIND ... name_count.KIND.
    QTreeWidgetItem* Source(const QString& kind, const QString& name, int count,
                            const Bytes& bytes = Bytes(10, 7));
    // A click on a source node: the list is filled with its items.
    void ClickNode(const QString& kind, const QString& name);
    // A click on the list item whose file name ends with `file`; false when none has it.
    bool ClickItem(const QString& file);
    void SelectNode(QTreeWidgetItem* node) {
        treeView->clearSelection();
        treeView->setCurrentItem(node);
        node->setSelected(true);
    }
    QString Folder(const QString& kind) const {
        return QString::fromStdString(output.path()) + kind + QDir::separator();
    }
    QStringList ListedNames() const;
    bool Exists(const QString& kind, const QString& name) const {
        return QFile::exists(Folder(kind) + name);
    }

    TempFolder output;
    QWidget window;
    QListWidget* list;
    QLabel *panel1, *panel2;
    QTreeWidget* treeView;
    QMenu* editMenu;
    ToolbarImageList images;
    std::unique_ptr<CategoryTree> tree;
    AnsweringBoxes boxes;
    OpeningShell shell;
    Session session{boxes, shell, QString(), output.path()};
    MessageTable& messages = session.messages;
    ScanSettings& settings = session.settings;
    int& selected = session.selectedItem;
    Catalogue catalogue{session, {&window, list, panel1, panel2, editMenu, tree.get()}};
};

}  // namespace morvane::test
