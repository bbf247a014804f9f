// The images of an icon or cursor file that holds several (the sizes of one icon group): the
// item list previews such a file by its largest image, and an export starts from the image
// nearest the size asked for, rather than from a stretched preview.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace morvane {

// The largest image (by area) of a file of several images; nothing for a file of one image or
// one that cannot be read.
std::optional<QImage> LargestIconImage(const QString& path);

// The image whose width is nearest `size` (the larger one on a tie), for a file of several
// images; nothing otherwise.
std::optional<QImage> NearestIconImage(const QString& path, int size);

}  // namespace morvane
