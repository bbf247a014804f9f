// A transparent square image and a smooth painter on it: the ground every symbol is drawn on.
// Symbols are drawn in 16×16 units; a larger image scales the painter, not the pixels.
#pragma once

#include <QImage>
#include <QPainter>

namespace morvane {

inline constexpr int kSymbolUnits = 16;

inline QImage SymbolCanvas(int size = kSymbolUnits) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

inline void PrepareSymbolPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = static_cast<double>(painter.device()->width()) / kSymbolUnits;
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
}

}  // namespace morvane
