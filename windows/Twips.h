// Window designs are measured in twips (1/1440 inch). The screen's logical dots per inch turn
// them into pixels, so a design keeps its proportions under any display scaling: 15 twips make
// one pixel at 96 dots per inch.
#pragma once

#include <QRect>

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

private:
    qreal dpiX_;
    qreal dpiY_;
};

}  // namespace morvane
