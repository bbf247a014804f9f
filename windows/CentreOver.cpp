#include "CentreOver.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace morvane {

namespace {
// What the window system's frame adds around `window`'s inside; nothing before it is framed.
QMargins FrameOf(const QWidget& window) {
    const QRect inside = window.geometry(), frame = window.frameGeometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

// The start of a span of `length` that starts at `start`, moved within [low, high]; `low` when
// the span is longer than that.
int Within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length + 1));
}
}  // namespace

QRect CentredFrame(QSize inside, QMargins frame, const QRect& ownerFrame, const QRect& available) {
    QRect placed(QPoint(), inside.grownBy(frame));
    placed.moveCenter(ownerFrame.center());
    if (available.isValid())
        placed.moveTopLeft(
            {Within(placed.left(), placed.width(), available.left(), available.right()),
             Within(placed.top(), placed.height(), available.top(), available.bottom())});
    return placed;
}

void CentreOver(QWidget& window, const QWidget* owner) {
    if (owner == nullptr) return;
    const QMargins frame = window.isVisible() ? FrameOf(window) : FrameOf(*owner);
    const QScreen* screen = owner->screen();
    const QRect placed = CentredFrame(window.size(), frame, owner->frameGeometry(),
                                      screen != nullptr ? screen->availableGeometry() : QRect());
    // A window's position is its frame's.
    window.move(placed.topLeft());
}

}  // namespace morvane
