#include "CentreOver.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace morvane {

void CentreOver(QWidget& window, const QWidget* owner) {
    if (owner == nullptr) return;
    QRect placed(QPoint(), window.frameGeometry().size());
    placed.moveCenter(owner->frameGeometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect free = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), free.left(),
                                   std::max(free.left(), free.right() - placed.width() + 1)));
        placed.moveTop(std::clamp(placed.top(), free.top(),
                                  std::max(free.top(), free.bottom() - placed.height() + 1)));
    }
    window.move(placed.topLeft());
}

}  // namespace morvane
