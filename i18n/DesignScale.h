// Dialog designs are measured in twips (1/1440 inch). The screen's logical resolution turns them
// into pixels, so a design keeps its proportions under any display scaling: 15 twips make one
// pixel at 96 dots per inch.
#pragma once

#include <QRect>

class QDialog;
class QWidget;

namespace morvane {

class DesignScale {
  public:
    DesignScale(qreal dotsPerInchX, qreal dotsPerInchY);

    // The logical resolution of the screen the widget is on (or will appear on).
    static DesignScale Of(const QWidget& widget);

    int PixelsX(int twips) const;
    int PixelsY(int twips) const;
    int TwipsX(int pixels) const;
    QRect Pixels(int left, int top, int width, int height) const;

    // Moves and sizes `widget` to a design rectangle given in twips.
    void Place(QWidget& widget, int left, int top, int width, int height) const;

    // Gives a dialog a fixed border around a client area of the design size, with a small
    // (tool-window) title bar when `toolWindow`, and only a close box in the title bar.
    void FixDialog(QDialog& dialog, int width, int height, bool toolWindow) const;

  private:
    qreal dpiX_;
    qreal dpiY_;
};

}  // namespace morvane
