// A source scanned again in one run of the program replaces its earlier nodes. The files of the
// earlier scan that the new one does not write again (a kind now off, or fewer items of a kind)
// would then stay on disk with no node to list or delete them; this finds and removes them when
// the new scan of that source ends. Only files of nodes the tree held are touched: they are the
// program's own outputs, exactly so named. Files of sources the tree never listed stay.
//
// It is told a run's events on the scanning thread, in their order, and keeps its own copy of the
// tree's source nodes: the tree, on the window's thread, learns of them later.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "ResourceKind.h"

namespace morvane {

class RescanLeftovers {
  public:
    // `outputRoot` ends with the path separator.
    explicit RescanLeftovers(QString outputRoot) : outputRoot_(std::move(outputRoot)) {}

    // Before a run starts, on the window's thread: the keys of the tree's source nodes.
    void RunStarting(const QStringList& sourceNodeKeys);

    void SourceBegun(const QString& name);
    void ItemWritten(ResourceKind kind, const QString& name, const QString& output);
    // Removes the earlier scan's files of `name` that this scan did not write. One that cannot
    // be removed stays where it is.
    void SourceEnded(const QString& name);

  private:
    // A node's key as the file system compares names.
    static QString Folded(ResourceKind kind, const QString& name);

    QString outputRoot_;
    QSet<QString> nodes_;
    // The kinds of which the current source had a node before its scan, and what it wrote since.
    std::vector<ResourceKind> earlierKinds_;
    QSet<QString> written_;
};

}  // namespace morvane
