#include "WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include "Form3.h"

namespace morvane {

void CentreOnScreen(QWidget& window) {
    const QRect free = window.screen()->availableGeometry();
    window.move(free.center() - QPoint(window.width() / 2, window.height() / 2));
}

LogWindowPlacer::LogWindowPlacer(Form3& log, QWidget& main, FrameOf frameOf)
    : QObject(&log), log_(log), main_(&main), frameOf_(std::move(frameOf)) {
    if (!frameOf_) frameOf_ = [](const QWidget& window) { return window.frameGeometry(); };
    if (!FrameKnown()) main.installEventFilter(this);
}

bool LogWindowPlacer::FrameKnown() const {
    return frameOf_(*main_) != main_->geometry();
}

bool LogWindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    const bool placementEvent = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (watched == main_ && placementEvent && FrameKnown()) {
        main_->removeEventFilter(this);
        const QRect frame = frameOf_(*main_);
        log_.Form_Load(frame, main_->screen()->availableGeometry(),
                       frame.height() - main_->height());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace morvane
