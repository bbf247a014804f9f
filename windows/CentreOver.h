// Where the windows a main window opens for a while (the progress window, the dialogs) appear:
// in the middle of that window, with their whole frame, title bar included, on its screen.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace morvane {

// The frame of a window whose inside is `inside` and whose frame adds `frame` around it: centred
// on `ownerFrame` and moved so that it lies within `available`. A frame taller or wider than
// `available` starts at its top or left edge, so that its title bar stays reachable.
QRect CentredFrame(QSize inside, QMargins frame, const QRect& ownerFrame, const QRect& available);

// Moves `window` so that its frame is centred on `owner`'s frame and lies within the free area of
// the owner's screen. A window not shown yet has no frame the window system has told; it is taken
// to be as thick as the owner's. Without an owner the window stays where it is.
void CentreOver(QWidget& window, const QWidget* owner);

}  // namespace morvane
