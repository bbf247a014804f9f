#include "CategoryTree.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>
#include <array>

#include <QFileInfo>
#include <QSet>

#include "ItemFiles.h"
#include "KindText.h"
#include "PrintableText.h"
#include "SourceNode.h"
#include "ToolbarImageList.h"
#include "formats/FormatOrders.h"

namespace morvane {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
// A source node's count, which its text shows after its name: "a.dll(3)".
constexpr int kCountRole = Qt::UserRole + 2;
// A source node's place in the order nodes were added: the node index of a tree that appends
// every node to one collection, which the clearing commands walk from the highest down.
constexpr int kAddedRole = Qt::UserRole + 3;

// Item files by their number, as their source gave them.
void SortByItemNumber(QStringList& files, const SourceKey& key) {
    const auto number = [&](const QString& file) {
        return ItemNumber(QFileInfo(file).fileName(), key.name, key.kind).value_or(0);
    };
    std::stable_sort(files.begin(), files.end(),
                     [&](const QString& a, const QString& b) { return number(a) < number(b); });
}

}  // namespace

QList<QTreeWidgetItem*> SourceNodes(const QTreeWidget& tree) {
    QList<QTreeWidgetItem*> nodes;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = tree.topLevelItem(i);
        for (int j = 0; j < category->childCount(); ++j) nodes.append(category->child(j));
    }
    return nodes;
}

QList<QTreeWidgetItem*> SourceNodesInAddedOrder(const QTreeWidget& tree) {
    QList<QTreeWidgetItem*> nodes = SourceNodes(tree);
    std::stable_sort(nodes.begin(), nodes.end(), [](const auto* a, const auto* b) {
        return a->data(0, kAddedRole).toLongLong() < b->data(0, kAddedRole).toLongLong();
    });
    return nodes;
}

QString SourceNodeKey(ResourceKind kind, const QString& name) {
    return KindText(kind) + u'#' + name;
}

std::optional<SourceKey> SplitSourceKey(const QString& key) {
    const qsizetype hash = key.indexOf(u'#');
    if (hash < 0) return std::nullopt;
    const std::optional<ResourceKind> kind = ParseKind(key.left(hash).toStdString());
    if (!kind) return std::nullopt;
    return SourceKey{*kind, key.mid(hash + 1)};
}

CategoryTree::CategoryTree(QTreeWidget& TreeView1, const ToolbarImageList& images)
    : QObject(&TreeView1), tree_(TreeView1), viewport_(TreeView1.viewport()), images_(images) {
    tree_.setHeaderHidden(true);
    tree_.setIconSize(QSize(ToolbarImageList::kSize, ToolbarImageList::kSize));
    tree_.setContextMenuPolicy(Qt::PreventContextMenu);
    viewport_->installEventFilter(this);
    connect(&tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node, int) { NodeClick(node); });
    connect(&tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node, QTreeWidgetItem*) { emit SelectionMoved(node); });
}

void CategoryTree::AddCategoryNodes(const QString& categoryWord) {
    for (const ResourceKind kind : kAllKinds) {
        auto* node = new QTreeWidgetItem(&tree_);
        const int image = ToolbarImageList::CategoryImage(kind);
        node->setText(0, categoryWord + u' ' + KindText(kind));
        node->setData(0, kKeyRole, KindText(kind));
        node->setData(0, kImageRole, image);
        node->setIcon(0, images_.Icon(image));
    }
}

QString CategoryTree::Folded(const QString& name) {
    return kFileNameCase == Qt::CaseInsensitive ? name.toCaseFolded() : name;
}

void CategoryTree::AddSourceFileNodes(const QString& name, const ScanOptions& options) {
    auto& held = held_[Folded(name)];
    for (const ResourceKind kind : kAllKinds) {
        QTreeWidgetItem* earlier = Node(SourceNodeKey(kind, name));
        if (earlier == nullptr) continue;
        if (const QStringList files = Files(*earlier); !files.isEmpty())
            held.emplace_back(kind, files);
        delete earlier;
    }
    for (const ResourceKind kind : kNodeOrder)
        if (options.IsEnabled(kind)) AddSourceNode(kind, name);
    for (int i = 0; i < tree_.topLevelItemCount(); ++i) tree_.topLevelItem(i)->setExpanded(false);
}

QTreeWidgetItem* CategoryTree::AddSourceNode(ResourceKind kind, const QString& name) {
    QTreeWidgetItem* category = Category(kind);
    if (category == nullptr) return nullptr;
    auto* node = new SourceNode(category);
    node->setData(0, kKeyRole, SourceNodeKey(kind, name));
    node->setData(0, kAddedRole, ++addedNodes_);
    SetSourceCount(*node, 0);
    return node;
}

void CategoryTree::CountItem(ResourceKind kind, const QString& name, const QString& file) {
    SourceNode* node = SourceNode::Of(Node(SourceNodeKey(kind, name)));
    if (node == nullptr) return;
    node->files.append(file);
    SetSourceCount(*node, static_cast<int>(node->files.size()));
}

QStringList CategoryTree::EndSourceFileNodes(const QString& name, bool stopped) {
    QStringList leftovers;
    for (auto& [kind, files] : held_.take(Folded(name))) {
        QTreeWidgetItem* node = Node(SourceNodeKey(kind, name));
        const QStringList written = node != nullptr ? Files(*node) : QStringList();
        QSet<QString> writtenAgain;
        for (const QString& file : written) writtenAgain.insert(Folded(file));
        QStringList kept = written;
        for (const QString& file : files) {
            if (writtenAgain.contains(Folded(file))) continue;
            if (stopped)
                kept.append(file);
            else
                leftovers.append(file);
        }
        if (!stopped || kept.size() == written.size()) continue;
        if (node == nullptr) node = AddSourceNode(kind, name);
        if (node == nullptr) continue;
        SortByItemNumber(kept, {kind, name});
        SetFiles(*node, kept);
    }
    return leftovers;
}

void CategoryTree::RemoveEmptySourceNodes() {
    const QList<QTreeWidgetItem*> nodes = SourceNodes(tree_);
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        if (SourceCount(**it) == 0) delete *it;
    }
}

int CategoryTree::SourceCount(const QTreeWidgetItem& node) {
    return node.data(0, kCountRole).toInt();
}

// The name is shown with its control characters written out: it comes from the file scanned.
void CategoryTree::SetSourceCount(QTreeWidgetItem& node, int count) {
    const std::optional<SourceKey> key = SplitSourceKey(Key(node));
    const QString name =
        key ? QString::fromStdString(Printable(key->name.toStdString())) : QString();
    node.setData(0, kCountRole, count);
    node.setText(0, name + u'(' + QString::number(count) + u')');
}

QStringList CategoryTree::Files(const QTreeWidgetItem& node) {
    const SourceNode* source = SourceNode::Of(&node);
    return source != nullptr ? source->files : QStringList();
}

void CategoryTree::SetFiles(QTreeWidgetItem& node, const QStringList& files) {
    if (SourceNode* source = SourceNode::Of(&node)) source->files = files;
    SetSourceCount(node, static_cast<int>(files.size()));
}

void CategoryTree::ExpandScannedCategories() {
    // The categories stand in the order of the kinds; MID and AVI stay closed.
    for (std::size_t i = 0; i < kKindCount && static_cast<int>(i) < tree_.topLevelItemCount(); ++i)
        if (kFormats[i].expandedAfterScan)
            tree_.topLevelItem(static_cast<int>(i))->setExpanded(true);
}

// A source node is looked for under its own category only: a batch asks once per item found.
QTreeWidgetItem* CategoryTree::Node(const QString& key) const {
    const std::optional<SourceKey> source = SplitSourceKey(key);
    for (int i = 0; i < tree_.topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = tree_.topLevelItem(i);
        const QString categoryKey = Key(*category);
        if (!source) {
            if (categoryKey == key) return category;
            continue;
        }
        if (categoryKey != KindText(source->kind)) continue;
        for (int j = 0; j < category->childCount(); ++j)
            if (SameSourceName(Key(*category->child(j)), key)) return category->child(j);
    }
    return nullptr;
}

QString CategoryTree::Key(const QTreeWidgetItem& node) {
    return node.data(0, kKeyRole).toString();
}

int CategoryTree::ImageIndex(const QTreeWidgetItem& node) {
    return node.data(0, kImageRole).toInt();
}

QStringList CategoryTree::SourceNodeKeys() const {
    QStringList keys;
    for (const QTreeWidgetItem* node : SourceNodes(tree_)) keys.append(Key(*node));
    return keys;
}

QTreeWidgetItem* CategoryTree::Category(ResourceKind kind) const {
    return Node(KindText(kind));
}

void CategoryTree::SetPopupMenu(QMenu* popup, QAction* removeNode, QAction* clearCategory,
                                QAction* clearAllNodes) {
    hideMenu_ = popup;
    removeNodeItem_ = removeNode;
    clearNodeCategory_ = clearCategory;
    clearNode_ = clearAllNodes;
}

void CategoryTree::PreparePopup() {
    if (hideMenu_ == nullptr) return;
    const QList<QTreeWidgetItem*> selected = tree_.selectedItems();
    // With nothing selected there is neither a node nor a category to remove.
    const bool anySelected = !selected.isEmpty();
    const bool sourceSelected = anySelected && Key(*selected.first()).contains(u'#');
    if (removeNodeItem_ != nullptr) removeNodeItem_->setVisible(sourceSelected);
    if (clearNodeCategory_ != nullptr)
        clearNodeCategory_->setVisible(anySelected && !sourceSelected);
    if (clearNode_ != nullptr) clearNode_->setVisible(true);
}

void CategoryTree::NodeClick(QTreeWidgetItem* node) {
    if (node == nullptr) return;
    if (const std::optional<SourceKey> key = SplitSourceKey(Key(*node)))
        emit SourceNodeClicked(key->kind, key->name);
}

bool CategoryTree::eventFilter(QObject* watched, QEvent* event) {
    // The viewport is compared by the pointer kept at the start: while the tree is being
    // destroyed its events still come here, and the tree can no longer be asked for it.
    if (event->type() != QEvent::MouseButtonPress || watched != viewport_)
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton) return false;
    // The pop-up's commands act on the node under the pointer: the press selects it (and a press
    // beside every node selects none), without listing its items as a left click does.
    QTreeWidgetItem* node = tree_.itemAt(mouse->position().toPoint());
    tree_.setCurrentItem(node);
    if (node == nullptr) tree_.clearSelection();
    PreparePopup();
    if (hideMenu_ != nullptr) hideMenu_->popup(mouse->globalPosition().toPoint());
    return true;
}

}  // namespace morvane
