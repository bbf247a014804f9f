#include "Twips.h"

#include <QDialog>

#include <QWidget>
#include <cmath>

namespace morvane {

namespace {
int Scaled(int value, qreal numerator, qreal denominator) {
    return static_cast<int>(std::lround(value * numerator / denominator));
}
}  // namespace

TwipsScale::TwipsScale(qreal dotsPerInchX, qreal dotsPerInchY)
    : dpiX_(dotsPerInchX > 0 ? dotsPerInchX : 96.0),
      dpiY_(dotsPerInchY > 0 ? dotsPerInchY : 96.0) {}

TwipsScale TwipsScale::Of(const QWidget& widget) {
    return TwipsScale(widget.logicalDpiX(), widget.logicalDpiY());
}

int TwipsScale::ToPixelsX(int twips) const {
    return Scaled(twips, dpiX_, kTwipsPerInch);
}
int TwipsScale::ToPixelsY(int twips) const {
    return Scaled(twips, dpiY_, kTwipsPerInch);
}
int TwipsScale::ToTwipsX(int pixels) const {
    return Scaled(pixels, kTwipsPerInch, dpiX_);
}
int TwipsScale::ToTwipsY(int pixels) const {
    return Scaled(pixels, kTwipsPerInch, dpiY_);
}

QRect TwipsScale::ToPixels(const TwipsRect& rect) const {
    return QRect(ToPixelsX(rect.left), ToPixelsY(rect.top), ToPixelsX(rect.width),
                 ToPixelsY(rect.height));
}

void TwipsScale::Place(QWidget& widget, const TwipsRect& rect) const {
    widget.setGeometry(ToPixels(rect));
}

void TwipsScale::FixDialog(QDialog& dialog, int width, int height, bool toolWindow) const {
    dialog.setWindowFlags((toolWindow ? Qt::Tool : Qt::Dialog) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(ToPixelsX(width), ToPixelsY(height));
}

}  // namespace morvane
