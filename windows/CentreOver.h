// Where the windows a main window opens for a while (the progress window) appear: in the middle
// of that window, and whole on its screen.
#pragma once

class QWidget;

namespace morvane {

// Moves `window` so that its middle is the middle of `owner`'s frame, kept inside the free area of
// the owner's screen. Without an owner the window stays where it is.
void CentreOver(QWidget& window, const QWidget* owner);

}  // namespace morvane
