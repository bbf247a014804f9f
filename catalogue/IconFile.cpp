#include "IconFile.h"

#include <QPainter>
#include <QSaveFile>
#include <cstdint>

namespace morvane {

namespace {
constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40;

void PutLe16(QByteArray& bytes, int value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutLe32(QByteArray& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
}

// Rows bottom-up, blue-green-red-alpha; then the mask, one bit per pixel, rows padded to four
// bytes, set where the pixel is fully transparent.
QByteArray DibBytes(const QImage& image) {
    const int w = image.width();
    const int h = image.height();
    QByteArray dib;
    PutLe32(dib, kInfoHeaderSize);
    PutLe32(dib, static_cast<std::uint32_t>(w));
    PutLe32(dib, static_cast<std::uint32_t>(h * 2));  // colour rows and mask rows together
    PutLe16(dib, 1);
    PutLe16(dib, 32);
    for (int i = 0; i < 6; ++i) PutLe32(dib, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            dib.append(static_cast<char>(qBlue(row[x])));
            dib.append(static_cast<char>(qGreen(row[x])));
            dib.append(static_cast<char>(qRed(row[x])));
            dib.append(static_cast<char>(qAlpha(row[x])));
        }
    }
    const int maskStride = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        dib.append(mask);
    }
    return dib;
}
}  // namespace

QImage StretchToSquare(const QImage& picture, int size) {
    QImage canvas(size, size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    if (picture.isNull()) return canvas;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, size, size), picture);
    return canvas;
}

QByteArray IconFileBytes(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QByteArray dib = DibBytes(argb);
    QByteArray bytes;
    PutLe16(bytes, 0);  // reserved
    PutLe16(bytes, 1);  // an icon, not a cursor
    PutLe16(bytes, 1);  // one image
    bytes.append(static_cast<char>(argb.width() >= 256 ? 0 : argb.width()));
    bytes.append(static_cast<char>(argb.height() >= 256 ? 0 : argb.height()));
    bytes.append('\0');  // no palette
    bytes.append('\0');
    PutLe16(bytes, 1);   // planes
    PutLe16(bytes, 32);  // bits per pixel
    PutLe32(bytes, static_cast<std::uint32_t>(dib.size()));
    PutLe32(bytes, kDirectorySize + kEntrySize);
    bytes.append(dib);
    return bytes;
}

std::error_code WriteIconFile(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return std::make_error_code(std::errc::io_error);
    const QByteArray bytes = IconFileBytes(image);
    if (file.write(bytes) != bytes.size()) return std::make_error_code(std::errc::io_error);
    if (!file.commit()) return std::make_error_code(std::errc::io_error);
    return {};
}

}  // namespace morvane
