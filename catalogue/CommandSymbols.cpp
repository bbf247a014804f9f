#include "CommandSymbols.h"

#include <QPolygonF>

#include "SymbolCanvas.h"

namespace morvane {

namespace {

// A folder under a magnifying glass.
void DrawScanFolder(QPainter& p) {
    p.setBrush(QColor(245, 200, 70));
    p.drawPolygon(
        QPolygonF({{0.5, 3.5}, {5, 3.5}, {6.5, 5}, {12.5, 5}, {12.5, 12.5}, {0.5, 12.5}}));
    p.setBrush(QColor(255, 255, 255, 200));
    p.setPen(QPen(QColor(30, 30, 30), 1.3));
    p.drawEllipse(QPointF(10, 9), 3, 3);
    p.setPen(QPen(QColor(30, 30, 30), 2.0));
    p.drawLine(QPointF(12.2, 11.2), QPointF(15, 14.5));
}

void DrawOpen(QPainter& p) {
    p.setBrush(QColor(40, 170, 60));
    p.drawPolygon(QPolygonF({{4, 2}, {13.5, 8}, {4, 14}}));
}

void DrawCross(QPainter& p, const QRectF& box, double width) {
    p.setPen(QPen(QColor(210, 30, 30), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void DrawDelete(QPainter& p) {
    DrawCross(p, QRectF(3, 3, 10, 10), 2.6);
}

// A waste bin with a small cross on it.
void DrawDeleteAll(QPainter& p) {
    p.setBrush(QColor(160, 160, 170));
    p.drawRect(QRectF(1.5, 2.5, 13, 2));
    p.drawPolygon(QPolygonF({{2.5, 4.5}, {13.5, 4.5}, {12.5, 15.5}, {3.5, 15.5}}));
    DrawCross(p, QRectF(5.5, 7, 5, 5.5), 1.6);
}

// A picture frame holding a square whose size tells the icon size, and a downward arrow for
// saving.
void DrawExport(QPainter& p, double square) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 13, 13));
    p.setBrush(QColor(47, 111, 214));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(2, 2, square, square));
    p.setBrush(QColor(20, 150, 60));
    p.drawPolygon(QPolygonF({{10, 9}, {16, 9}, {13, 15.5}}));
}

// A page of text.
void DrawScanLog(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{2.5, 0.5}, {10.5, 0.5}, {13.5, 3.5}, {13.5, 15.5}, {2.5, 15.5}}));
    p.setPen(QPen(QColor(120, 120, 140), 1.0));
    for (int y = 4; y <= 13; y += 3) p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
}

// A blue disc with an "i".
void DrawAbout(QPainter& p) {
    p.setBrush(QColor(40, 100, 210));
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.5), 1.3, 1.3);
    p.drawRect(QRectF(7, 7, 2, 6));
}

// An open door with an arrow leaving through it.
void DrawExit(QPainter& p) {
    p.setBrush(QColor(150, 95, 50));
    p.drawRect(QRectF(1.5, 0.5, 8, 15));
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({{1.5, 0.5}, {5.5, 2.5}, {5.5, 15.5}, {1.5, 15.5}}));
    p.setBrush(QColor(30, 160, 60));
    p.setPen(Qt::NoPen);
    p.drawPolygon(
        QPolygonF({{8, 6.5}, {12, 6.5}, {12, 4}, {16, 8}, {12, 12}, {12, 9.5}, {8, 9.5}}));
}

// A red octagon with a white bar: the stop sign.
void DrawStop(QPainter& p) {
    p.setBrush(QColor(200, 20, 20));
    p.drawPolygon(QPolygonF(
        {{5, 0.5}, {11, 0.5}, {15.5, 5}, {15.5, 11}, {11, 15.5}, {5, 15.5}, {0.5, 11}, {0.5, 5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 7, 9, 2));
}

}  // namespace

QImage DrawCommandSymbol(CommandImage image) {
    QImage canvas = SymbolCanvas();
    QPainter painter(&canvas);
    PrepareSymbolPainter(painter);
    switch (image) {
        case CommandImage::ScanFolder:
            DrawScanFolder(painter);
            break;
        case CommandImage::Open:
            DrawOpen(painter);
            break;
        case CommandImage::Delete:
            DrawDelete(painter);
            break;
        case CommandImage::DeleteAll:
            DrawDeleteAll(painter);
            break;
        case CommandImage::Export48:
            DrawExport(painter, 10);
            break;
        case CommandImage::Export32:
            DrawExport(painter, 6.5);
            break;
        case CommandImage::Export16:
            DrawExport(painter, 3.5);
            break;
        case CommandImage::ScanLog:
            DrawScanLog(painter);
            break;
        case CommandImage::About:
            DrawAbout(painter);
            break;
        case CommandImage::Exit:
            DrawExit(painter);
            break;
        case CommandImage::Stop:
            DrawStop(painter);
            break;
    }
    return canvas;
}

}  // namespace morvane
