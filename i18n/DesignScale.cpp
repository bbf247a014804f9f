#include "DesignScale.h"

#include <QDialog>
#include <QWidget>
#include <cmath>

namespace morvane {

namespace {
constexpr qreal kTwipsPerInch = 1440.0;
constexpr qreal kFallbackDpi = 96.0;

int Scaled(int value, qreal numerator, qreal denominator) {
    return static_cast<int>(std::lround(value * numerator / denominator));
}
}  // namespace

DesignScale::DesignScale(qreal dotsPerInchX, qreal dotsPerInchY)
    : dpiX_(dotsPerInchX > 0 ? dotsPerInchX : kFallbackDpi),
      dpiY_(dotsPerInchY > 0 ? dotsPerInchY : kFallbackDpi) {}

DesignScale DesignScale::Of(const QWidget& widget) {
    return DesignScale(widget.logicalDpiX(), widget.logicalDpiY());
}

int DesignScale::PixelsX(int twips) const {
    return Scaled(twips, dpiX_, kTwipsPerInch);
}
int DesignScale::PixelsY(int twips) const {
    return Scaled(twips, dpiY_, kTwipsPerInch);
}
int DesignScale::TwipsX(int pixels) const {
    return Scaled(pixels, kTwipsPerInch, dpiX_);
}

QRect DesignScale::Pixels(int left, int top, int width, int height) const {
    return QRect(PixelsX(left), PixelsY(top), PixelsX(width), PixelsY(height));
}

void DesignScale::Place(QWidget& widget, int left, int top, int width, int height) const {
    widget.setGeometry(Pixels(left, top, width, height));
}

void DesignScale::FixDialog(QDialog& dialog, int width, int height, bool toolWindow) const {
    dialog.setWindowFlags((toolWindow ? Qt::Tool : Qt::Dialog) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(PixelsX(width), PixelsY(height));
}

}  // namespace morvane
