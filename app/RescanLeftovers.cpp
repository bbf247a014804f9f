#include "RescanLeftovers.h"

#include <QDir>
#include <QFileInfo>

#include "CategoryTree.h"
#include "ItemFiles.h"
#include "KindText.h"
#include "ResourceKind.h"

namespace morvane {

QString RescanLeftovers::Folded(ResourceKind kind, const QString& name) {
    const QString key = SourceNodeKey(kind, name);
    return kFileNameCase == Qt::CaseInsensitive ? key.toCaseFolded() : key;
}

void RescanLeftovers::RunStarting(const QStringList& sourceNodeKeys) {
    nodes_.clear();
    for (const QString& key : sourceNodeKeys)
        if (const std::optional<SourceKey> source = SplitSourceKey(key))
            nodes_.insert(Folded(source->kind, source->name));
}

void RescanLeftovers::SourceBegun(const QString& name) {
    earlierKinds_.clear();
    written_.clear();
    for (const ResourceKind kind : kAllKinds)
        if (nodes_.remove(Folded(kind, name))) earlierKinds_.push_back(kind);
}

void RescanLeftovers::ItemWritten(ResourceKind kind, const QString& name, const QString& output) {
    nodes_.insert(Folded(kind, name));
    written_.insert(QFileInfo(output).fileName());
}

void RescanLeftovers::SourceEnded(const QString& name) {
    for (const ResourceKind kind : earlierKinds_) {
        const QString folder = outputRoot_ + KindText(kind) + QDir::separator();
        for (const QString& file : MatchingItemFiles(folder, name, kind))
            if (!written_.contains(file)) (void)RemoveItemFile((folder + file).toStdString());
    }
    earlierKinds_.clear();
    written_.clear();
}

}  // namespace morvane
