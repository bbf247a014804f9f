// A per-file node of the category tree, holding the files that this run's scans wrote for it.
#pragma once

#include <QStringList>
#include <QTreeWidgetItem>

namespace morvane {

class SourceNode final : public QTreeWidgetItem {
  public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;

    explicit SourceNode(QTreeWidgetItem* category) : QTreeWidgetItem(category, kType) {}

    // The node's own files, in the order their source gave them.
    QStringList files;

    static SourceNode* Of(QTreeWidgetItem* node) {
        return node != nullptr && node->type() == kType ? static_cast<SourceNode*>(node) : nullptr;
    }
    static const SourceNode* Of(const QTreeWidgetItem* node) {
        return node != nullptr && node->type() == kType ? static_cast<const SourceNode*>(node)
                                                        : nullptr;
    }
};

}  // namespace morvane
