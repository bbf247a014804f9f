// Writing a picture as an icon file: one directory entry holding one 32-bit image with alpha,
// stored as a device-independent bitmap with its transparency mask, which every icon reader
// accepts.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <system_error>

namespace morvane {

// `picture` stretched over a transparent S×S canvas.
QImage StretchToSquare(const QImage& picture, int size);

// The bytes of an icon file holding `image` (at most 256×256).
QByteArray IconFileBytes(const QImage& image);

// Writes the icon file whole or not at all, replacing a file of that name.
std::error_code WriteIconFile(const QString& path, const QImage& image);

}  // namespace morvane
