#include "KindSymbols.h"

#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <numbers>

#include "SymbolCanvas.h"
#include "formats/FormatTable.h"

namespace morvane {

namespace {

// A blue tile holding a yellow star: an icon.
void DrawIcon(QPainter& p) {
    p.setBrush(QColor(47, 111, 214));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0) ? 5.5 : 2.3;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(8 + radius * std::cos(angle), 8.3 + radius * std::sin(angle));
    }
    p.setBrush(QColor(255, 214, 0));
    p.setPen(QPen(QColor(150, 110, 0), 0.6));
    p.drawPolygon(star);
}

// The white arrow of a mouse pointer.
void DrawCursor(QPainter& p) {
    const QPolygonF arrow(
        {{3.5, 1.5}, {3.5, 13.5}, {6.5, 10.5}, {8.5, 14.5}, {10.5, 13.5}, {8.5, 9.5}, {12.5, 9.5}});
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawPolygon(arrow);
}

// An hourglass: the classic animated pointer.
void DrawAnimatedCursor(QPainter& p) {
    p.setBrush(QColor(120, 72, 32));
    p.drawRect(QRectF(2.5, 1.5, 11, 2));
    p.drawRect(QRectF(2.5, 12.5, 11, 2));
    p.setBrush(QColor(230, 240, 255));
    p.drawPolygon(QPolygonF({{4, 3.5}, {12, 3.5}, {8, 8}, {12, 12.5}, {4, 12.5}, {8, 8}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 20));
    p.drawPolygon(QPolygonF({{5.5, 4.5}, {10.5, 4.5}, {8, 7.3}}));
    p.drawPolygon(QPolygonF({{8, 10}, {11, 12.2}, {5, 12.2}}));
}

// A landscape in a frame: a bitmap.
void DrawBitmap(QPainter& p) {
    p.setBrush(QColor(150, 205, 255));
    p.drawRect(QRectF(0.5, 2.5, 15, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 60));
    p.drawPolygon(QPolygonF({{1, 13}, {6, 7}, {9, 10}, {11, 8}, {15, 13}}));
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(11.5, 5.5), 1.8, 1.8);
}

// A camera: a photograph.
void DrawJpeg(QPainter& p) {
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(0.5, 4.5, 15, 10), 1.5, 1.5);
    p.drawRect(QRectF(4.5, 2.5, 5, 2));
    p.setBrush(QColor(120, 190, 240));
    p.setPen(QPen(QColor(220, 220, 220), 1.2));
    p.drawEllipse(QPointF(8, 9.5), 3.2, 3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150));
    p.drawRect(QRectF(12, 5.5, 2, 1.5));
}

// Three frames one behind the other: a picture that may move.
void DrawGif(QPainter& p) {
    p.setBrush(QColor(220, 60, 60));
    p.drawRect(QRectF(0.5, 0.5, 8, 8));
    p.setBrush(QColor(60, 180, 70));
    p.drawRect(QRectF(3.5, 3.5, 8, 8));
    p.setBrush(QColor(60, 100, 220));
    p.drawRect(QRectF(6.5, 6.5, 9, 9));
}

// A disc over a checkerboard: a picture with transparency.
void DrawPng(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            p.setBrush((row + column) % 2 == 0 ? QColor(200, 200, 200) : QColor(255, 255, 255));
            p.drawRect(QRectF(column * 4, row * 4, 4, 4));
        }
    p.setBrush(QColor(200, 0, 170, 170));
    p.drawEllipse(QPointF(8, 8), 5, 5);
}

// A green trace on a dark screen: a recorded sound.
void DrawWave(QPainter& p) {
    p.setBrush(QColor(20, 30, 20));
    p.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 1.5, 1.5);
    QPainterPath trace(QPointF(1.5, 8));
    for (int x = 2; x <= 14; ++x) {
        const double amplitude = (x % 3 == 0) ? 4.0 : (x % 3 == 1 ? -3.0 : 1.5);
        trace.lineTo(QPointF(x, 8 + amplitude * (x % 2 == 0 ? 1 : -1) * 0.8));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 255, 90), 1.0));
    p.drawPath(trace);
}

// Two beamed notes: a song.
void DrawMidi(QPainter& p) {
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(3.8, 12.5), 2.6, 2.0);
    p.drawEllipse(QPointF(11.8, 11), 2.6, 2.0);
    p.setPen(QPen(Qt::black, 1.4));
    p.drawLine(QPointF(6, 12), QPointF(6, 3));
    p.drawLine(QPointF(14, 10.5), QPointF(14, 1.5));
    p.setPen(QPen(Qt::black, 2.4));
    p.drawLine(QPointF(6, 3.5), QPointF(14, 2));
}

// A film strip: a video.
void DrawAvi(QPainter& p) {
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(1.5, 0.5, 13, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int y = 2; y < 15; y += 3) {
        p.drawRect(QRectF(2.5, y, 1.5, 1.5));
        p.drawRect(QRectF(12, y, 1.5, 1.5));
    }
    p.setBrush(QColor(110, 170, 230));
    p.drawRect(QRectF(5, 2, 6, 5));
    p.drawRect(QRectF(5, 9, 6, 5));
}

// By KindSymbol, in the order of its enumerators.
using SymbolDrawing = void (*)(QPainter&);
constexpr std::array<SymbolDrawing, 10> kSymbolDrawings = {
    &DrawIcon, &DrawCursor, &DrawAnimatedCursor, &DrawBitmap, &DrawJpeg,
    &DrawGif,  &DrawPng,    &DrawWave,           &DrawMidi,   &DrawAvi};
static_assert(kSymbolDrawings.size() == static_cast<std::size_t>(KindSymbol::Avi) + 1);
}  // namespace

QImage DrawKindSymbol(ResourceKind kind, int size) {
    QImage image = SymbolCanvas(size);
    QPainter painter(&image);
    PrepareSymbolPainter(painter);
    kSymbolDrawings[static_cast<std::size_t>(FormatOf(kind).symbol)](painter);
    return image;
}

QImage DrawCategorySymbol(ResourceKind kind) {
    if (FormatOf(kind).symbol != KindSymbol::Wave) return DrawKindSymbol(kind);
    QImage image = SymbolCanvas();
    QPainter p(&image);
    PrepareSymbolPainter(p);
    p.setBrush(QColor(110, 110, 120));
    p.drawPolygon(
        QPolygonF({{1.5, 5.5}, {4.5, 5.5}, {8.5, 1.5}, {8.5, 14.5}, {4.5, 10.5}, {1.5, 10.5}}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 110, 220), 1.3));
    p.drawArc(QRectF(6, 4.5, 5, 7), -60 * 16, 120 * 16);
    p.drawArc(QRectF(5.5, 2, 9, 12), -60 * 16, 120 * 16);
    return image;
}

}  // namespace morvane
