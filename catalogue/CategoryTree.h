// CategoryTree: the ten category nodes of TreeView1 and the per-file nodes under them, each
// found by its key. It is bookkeeping on top of the output folders: the scans tell it what they
// wrote, and it never looks at the disk itself. Each source node holds the files this run's scans
// wrote for it, which are what it counts, lists and deletes: never a file of an earlier run, nor
// one of the user's that merely looks like an item.
#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "ResourceKind.h"
#include "ScanOptions.h"

class QAction;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace morvane {

class ToolbarImageList;

// A source node's key split at its first "#": the kind and the source file's name.
struct SourceKey {
    ResourceKind kind;
    QString name;
};

// Kind + "#" + name, for example ICO#shell32.dll.
QString SourceNodeKey(ResourceKind kind, const QString& name);

// The source nodes of every category, in the tree's order.
QList<QTreeWidgetItem*> SourceNodes(const QTreeWidget& tree);
// The source nodes in the order CategoryTree added them, whatever their categories.
QList<QTreeWidgetItem*> SourceNodesInAddedOrder(const QTreeWidget& tree);
// Nothing for a key without "#" (a category node) or of no kind.
std::optional<SourceKey> SplitSourceKey(const QString& key);

class CategoryTree final : public QObject {
    Q_OBJECT

  public:
    CategoryTree(QTreeWidget& TreeView1, const ToolbarImageList& images);

    // The ten category nodes in kind order, texts `categoryWord` + " " + kind.
    void AddCategoryNodes(const QString& categoryWord);

    // Before a file is scanned: its earlier nodes go (those of exactly `name`, by the file
    // system's rule for letter case), each enabled kind gets a node at count 0, and the
    // categories are collapsed. The earlier nodes' files are held until the scan ends.
    void AddSourceFileNodes(const QString& name, const ScanOptions& options);
    // One more item of `kind` was written from `name`, into `file`; a missing node is left alone.
    void CountItem(ResourceKind kind, const QString& name, const QString& file);
    // The scan of `name` ended. The files of its earlier scan that this one did not write again
    // are returned, for the caller to remove; a stopped scan keeps them in its nodes instead.
    QStringList EndSourceFileNodes(const QString& name, bool stopped);
    // Removes every source node whose count is 0.
    void RemoveEmptySourceNodes();
    // After a scan: the categories ICO to WAV open, MID and AVI closed.
    void ExpandScannedCategories();

    QTreeWidget& TreeView1() const { return tree_; }
    QTreeWidgetItem* Node(const QString& key) const;
    static QString Key(const QTreeWidgetItem& node);
    static int ImageIndex(const QTreeWidgetItem& node);
    // A source node's count; setting it also writes the text, name and count.
    static int SourceCount(const QTreeWidgetItem& node);
    static void SetSourceCount(QTreeWidgetItem& node, int count);
    // The files a source node holds, in the order their source gave them.
    static QStringList Files(const QTreeWidgetItem& node);
    // Sets them, and the count with them.
    static void SetFiles(QTreeWidgetItem& node, const QStringList& files);
    // The keys of all source nodes, category by category.
    QStringList SourceNodeKeys() const;

    // The pop-up shown at a right click in the tree, and its entries that remove the selected
    // source node, clear the selected category and clear every category.
    void SetPopupMenu(QMenu* popup, QAction* removeNode, QAction* clearCategory,
                      QAction* clearAllNodes);
    // Shows and hides the pop-up's entries for the selected node.
    void PreparePopup();

  signals:
    // A source node was clicked; its items are to be listed.
    void SourceNodeClicked(ResourceKind kind, const QString& name);
    // Another node (or none) is selected now, by a click, a key, or because the node selected
    // before was removed: the list is to show that node's items, or none.
    void SelectionMoved(QTreeWidgetItem* node);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void NodeClick(QTreeWidgetItem* node);
    QTreeWidgetItem* Category(ResourceKind kind) const;
    QTreeWidgetItem* AddSourceNode(ResourceKind kind, const QString& name);
    // A source name as the file system compares names.
    static QString Folded(const QString& name);

    QTreeWidget& tree_;
    QObject* viewport_;
    const ToolbarImageList& images_;
    QMenu* hideMenu_ = nullptr;
    QAction* removeNodeItem_ = nullptr;
    QAction* clearNodeCategory_ = nullptr;
    QAction* clearNode_ = nullptr;
    // How many source nodes were added in this run: the next one's place in that order.
    qint64 addedNodes_ = 0;
    // The files of the earlier nodes of sources being scanned, by folded name, then by kind.
    QHash<QString, std::vector<std::pair<ResourceKind, QStringList>>> held_;
};

}  // namespace morvane
