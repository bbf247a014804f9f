// Window designs are measured in twips (1/1440 inch). The screen's logical dots per inch turn
// them into pixels, so a design keeps its proportions under any display scaling: 15 twips make
// one pixel at 96 dots per inch.
#pragma once

#include <QRect>

class QDialog;

class QWidget;

namespace morvane {

inline constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

class TwipsScale {
  public:
    TwipsScale(qreal dotsPerInchX, qreal dotsPerInchY);

    // The logical resolution of the screen the widget is on (or will appear on).
    static TwipsScale Of(const QWidget& widget);

    int ToPixelsX(int twips) const;
    int ToPixelsY(int twips) const;
    int ToTwipsX(int pixels) const;
    int ToTwipsY(int pixels) const;
    QRect ToPixels(const TwipsRect& rect) const;

    // Moves and sizes `widget` to a design rectangle.
    void Place(QWidget& widget, const TwipsRect& rect) const;
    // Gives a dialog a fixed border around a client area of the design size, with a small
    // (tool-window) title bar when `toolWindow`, and only a close box in the title bar.
    void FixDialog(QDialog& dialog, int width, int height, bool toolWindow) const;

  private:
    qreal dpiX_;
    qreal dpiY_;
};

}  // namespace morvane
