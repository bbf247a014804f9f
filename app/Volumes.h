// The volumes of the drive list: drive letters on Windows; elsewhere the root "/" first, then
// every other mounted volume that is ready, by its root folder.
#pragma once

#include <QString>
#include <QStringList>

namespace morvane {

QStringList ListVolumes();

// The volume that holds `path`: on Windows its first two characters ("C:"); elsewhere the
// longest volume root of `volumes` that `path` lies under. Empty when none fits.
QString VolumeOfPath(const QString& path, const QStringList& volumes);

// The folder a volume starts at: "C:\" for "C:"; elsewhere the volume's own root folder.
QString VolumeRoot(const QString& volume);

}  // namespace morvane
