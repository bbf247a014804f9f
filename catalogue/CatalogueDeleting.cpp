// The catalogue's deleting commands. Each acts on the files the tree's nodes hold, the files this
// run's scans wrote, and runs under the one error handler: the first failure is reported and ends
// the command, and what was done before it stays done.
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

#include "Catalogue.h"
#include "CatalogueError.h"
#include "CategoryTree.h"
#include "ItemList.h"
#include "KindText.h"
#include "ListItemKey.h"
#include "MessageBoxes.h"
#include "ResourceKind.h"

namespace morvane {

namespace {
QTreeWidgetItem* SelectedNode(const QTreeWidget& tree) {
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

std::vector<std::string> FilesOf(const QTreeWidgetItem& node) {
    std::vector<std::string> files;
    for (const QString& file : CategoryTree::Files(node)) files.push_back(file.toStdString());
    return files;
}
}  // namespace

// Whatever the command did, the status bar shows no file it deleted.
void Catalogue::Run(const std::function<std::error_code()>& command) {
    const std::error_code error = command();
    if (!shownPath_.isEmpty() && !QFileInfo::exists(shownPath_)) {
        shownPath_.clear();
        parts_.Panel1->clear();
        parts_.Panel2->clear();
    }
    if (error) session_.boxes.Show(session_.appTitle, ErrorBoxText(error));
}

bool Catalogue::Ask(const QString& question) const {
    return session_.boxes.Ask(session_.appTitle, question);
}

// The question names the kind as well as the source, as the node's text does.
QString Catalogue::NodeQuestion(const QTreeWidgetItem& node) const {
    const std::optional<SourceKey> key = SplitSourceKey(CategoryTree::Key(node));
    return Message(MessageId::AskDeleteNode) + u' ' + (key ? KindText(key->kind) : QString()) +
           u' ' + node.text(0);
}

void Catalogue::DropGoneFiles(QTreeWidgetItem* node) {
    QStringList files = CategoryTree::Files(*node);
    files.removeIf([](const QString& file) { return !QFileInfo::exists(file); });
    if (files.isEmpty())
        delete node;
    else
        CategoryTree::SetFiles(*node, files);
}

void Catalogue::DeleteItem() {
    const int index = Selected();
    if (index < 1) return;
    Run([&]() -> std::error_code {
        const QString path = items_->Path(index);
        if (path.isEmpty()) return CatalogueFault::NoSuchItem;
        if (const std::error_code error = remover_(path.toStdString())) return error;
        items_->RemoveItem(index);
        // The list would move its current item to the next one without showing it selected.
        items_->ClearSelection();
        QTreeWidgetItem* node = ListedNode();
        if (node == nullptr) return CatalogueFault::NoSuchNode;
        QStringList files = CategoryTree::Files(*node);
        files.removeAll(path);
        if (files.isEmpty())
            delete node;  // the tree selects another node, and the list follows
        else
            CategoryTree::SetFiles(*node, files);
        return {};
    });
}

// The listed node's items, asked as Remove asks: the node is named.
void Catalogue::DeleteAllItems() {
    if (Selected() < 1) return;
    QTreeWidgetItem* node = ListedNode();
    if (node == nullptr) return;
    if (!Ask(NodeQuestion(*node))) return;
    Run([&] { return ClearSourceNode(node); });
}

// The selected node's files: the list may show another node's items.
void Catalogue::RemoveNode() {
    QTreeWidgetItem* selected = SelectedNode(parts_.tree->TreeView1());
    if (selected == nullptr || !SplitSourceKey(CategoryTree::Key(*selected))) return;
    if (!Ask(NodeQuestion(*selected))) return;
    Run([&] { return ClearSourceNode(selected); });
}

// The node's own files, then the node. After a failure the node keeps the files left.
std::error_code Catalogue::ClearSourceNode(QTreeWidgetItem* node) {
    if (!SplitSourceKey(CategoryTree::Key(*node))) return CatalogueFault::NoSuchNode;
    const bool listed = node == ListedNode();
    const std::error_code error = RemoveExistingFiles(FilesOf(*node), remover_);
    if (listed) ClearList();
    if (error) {
        DropGoneFiles(node);
        return error;
    }
    delete node;
    return {};
}

// Source nodes whose key begins with `keyStart` (all of them when it is empty).
std::error_code Catalogue::ClearSourceNodes(const QString& keyStart) {
    // From the node added last down to the first, whatever its category: after a failure the
    // nodes added before the failing one keep their files.
    const QList<QTreeWidgetItem*> nodes = SourceNodesInAddedOrder(parts_.tree->TreeView1());
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        if (!CategoryTree::Key(**it).startsWith(keyStart)) continue;
        if (const std::error_code error = ClearSourceNode(*it)) return error;
    }
    ClearList();
    return {};
}

void Catalogue::ClearCategory() {
    const QTreeWidgetItem* selected = SelectedNode(parts_.tree->TreeView1());
    if (selected == nullptr) return;
    const QString category = CategoryTree::Key(*selected);
    if (category.contains(u'#')) return;
    QString question = Message(MessageId::AskDeleteCountFiles);
    const qsizetype marker = question.indexOf(u'%');
    if (marker < 0) {
        Run([] { return std::error_code(CatalogueFault::NoCategoryMarker); });
        return;
    }
    question.replace(marker, 3, category);
    if (!Ask(question)) return;
    Run([&] { return ClearSourceNodes(category + u'#'); });
}

void Catalogue::ClearAllNodes() {
    if (!silentClear_ && !Ask(Message(MessageId::AskDeleteAllFiles))) return;
    Run([&] { return ClearSourceNodes(QString()); });
}

}  // namespace morvane
