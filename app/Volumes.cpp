#include "Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace morvane {

#ifdef _WIN32
QStringList ListVolumes() {
    QStringList volumes;
    for (const QFileInfo& drive : QDir::drives()) volumes << drive.absolutePath().left(2).toUpper();
    return volumes;
}

QString VolumeOfPath(const QString& path, const QStringList& volumes) {
    const QString prefix = path.left(2).toUpper();
    return volumes.contains(prefix) ? prefix : QString();
}

QString VolumeRoot(const QString& volume) {
    return volume + u'\\';
}
#else
QStringList ListVolumes() {
    QStringList volumes{QStringLiteral("/")};
    QStringList others;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady()) continue;
        const QString root = storage.rootPath();
        // Containers mount single files too; only folders can be browsed.
        if (!QFileInfo(root).isDir()) continue;
        if (root != u"/" && !others.contains(root)) others << root;
    }
    std::sort(others.begin(), others.end());
    return volumes + others;
}

namespace {
bool Holds(const QString& volume, const QString& path) {
    if (volume == u"/") return path.startsWith(u'/');
    return path == volume || path.startsWith(volume + u'/');
}
}  // namespace

QString VolumeOfPath(const QString& path, const QStringList& volumes) {
    QString best;
    for (const QString& volume : volumes)
        if (Holds(volume, path) && volume.size() > best.size()) best = volume;
    return best;
}

QString VolumeRoot(const QString& volume) {
    return volume;
}
#endif

}  // namespace morvane
