// A transparent 16×16 image and a smooth painter on it: the ground every symbol is drawn on.
#pragma once

#include <QImage>
#include <QPainter>

namespace morvane {

inline QImage SymbolCanvas() {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

inline void PrepareSymbolPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
}

}  // namespace morvane
