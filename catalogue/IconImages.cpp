#include "IconImages.h"

#include <QImageReader>
#include <cstdlib>
#include <functional>

namespace morvane {

namespace {
// The image of a several-image file that `better` prefers over every other.
std::optional<QImage> PickImage(const QString& path,
                                const std::function<bool(const QImage&, const QImage&)>& better) {
    QImageReader reader(path);
    if (reader.imageCount() < 2) return std::nullopt;
    std::optional<QImage> best;
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) break;
        const QImage image = reader.read();
        if (!image.isNull() && (!best || better(image, *best))) best = image;
    }
    return best;
}
}  // namespace

std::optional<QImage> LargestIconImage(const QString& path) {
    return PickImage(path, [](const QImage& a, const QImage& b) {
        return qint64(a.width()) * a.height() > qint64(b.width()) * b.height();
    });
}

std::optional<QImage> NearestIconImage(const QString& path, int size) {
    return PickImage(path, [size](const QImage& a, const QImage& b) {
        const int da = std::abs(a.width() - size), db = std::abs(b.width() - size);
        return da < db || (da == db && a.width() > b.width());
    });
}

}  // namespace morvane
