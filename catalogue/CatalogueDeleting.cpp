// The catalogue's deleting commands. Each runs under the one error handler: the first failure
// is reported and ends the command, and what was done before it stays done.
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
// The key of the source node an item file counts in: its kind from its extension, its source
// from its name. Empty, and so no node, for a file of no kind.
QString SourceNodeKeyOfItem(const QString& path) {
    const std::optional<ResourceKind> kind = KindOfItemFile(path);
    return kind ? SourceNodeKey(*kind, SourceNameOfItem(path)) : QString();
}

QTreeWidgetItem* SelectedNode(const QTreeWidget& tree) {
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}
}  // namespace

// Whatever the command did, the status bar shows no file it deleted.
void Catalogue::Run(const std::function<std::error_code()>& command) {
    const std::error_code error = command();
    const QString shown = parts_.Panel1->text();
    if (!shown.isEmpty() && !QFileInfo::exists(shown)) {
        parts_.Panel1->clear();
        parts_.Panel2->clear();
    }
    if (error) session_.boxes.Show(session_.appTitle, ErrorBoxText(error));
}

bool Catalogue::Ask(const QString& question) const {
    return session_.boxes.Ask(session_.appTitle, question);
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
        QTreeWidgetItem* node = parts_.tree->Node(SourceNodeKeyOfItem(path));
        if (node == nullptr) return CatalogueFault::NoSuchNode;
        const int count = CategoryTree::SourceCount(*node);
        if (count == 1)
            delete node;
        else
            CategoryTree::SetSourceCount(*node, count - 1);
        return {};
    });
}

// From the last item to the first; `lastPath` ends as the path of item 1, or empty.
std::error_code Catalogue::DeleteListedItems(QString& lastPath) {
    for (int i = items_->Count(); i >= 1; --i) {
        lastPath = items_->Path(i);
        if (const std::error_code error = remover_(lastPath.toStdString())) return error;
        items_->RemoveItem(i);
    }
    return {};
}

std::error_code Catalogue::RemoveNodeOfKey(const QString& key) {
    QTreeWidgetItem* node = parts_.tree->Node(key);
    if (node == nullptr || !key.contains(u'#')) return CatalogueFault::NoSuchNode;
    delete node;
    return {};
}

void Catalogue::DeleteAllItems() {
    if (Selected() < 1) return;
    if (!Ask(Message(MessageId::AskDeleteAllFiles))) return;
    Run([&]() -> std::error_code {
        QString last;
        if (const std::error_code error = DeleteListedItems(last)) return error;
        return RemoveNodeOfKey(SourceNodeKeyOfItem(last));
    });
}

// The selected node's files, found by its key as the clearing commands find them: the list may
// show another node's items. The question names the kind as well as the source.
void Catalogue::RemoveNode() {
    QTreeWidgetItem* selected = SelectedNode(parts_.tree->TreeView1());
    if (selected == nullptr) return;
    const std::optional<SourceKey> key = SplitSourceKey(CategoryTree::Key(*selected));
    if (!key) return;  // a category node
    if (!Ask(Message(MessageId::AskDeleteNode) + u' ' + KindText(key->kind) + u' ' +
             selected->text(0)))
        return;
    const bool listed = items_->Count() > 0 && SameSourceName(SourceNodeKeyOfItem(items_->Path(1)),
                                                              CategoryTree::Key(*selected));
    Run([&]() -> std::error_code {
        if (const std::error_code error = ClearSourceNode(selected)) return error;
        if (listed) items_->Clear();
        return {};
    });
}

// Every file of the node's name pattern in its kind folder, then the node.
std::error_code Catalogue::ClearSourceNode(QTreeWidgetItem* node) {
    const std::optional<SourceKey> key = SplitSourceKey(CategoryTree::Key(*node));
    if (!key) return CatalogueFault::NoSuchNode;
    const QString folder = KindFolder(key->kind);
    for (const QString& file : MatchingItemFiles(folder, key->name, key->kind))
        if (const std::error_code error = remover_((folder + file).toStdString())) return error;
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
    items_->Clear();
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
