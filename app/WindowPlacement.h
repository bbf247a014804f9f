// Where the windows open: the main window in the middle of its screen, and the log window below
// the main window's frame as the window manager finally draws it, which is known only some time
// after the main window was shown.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

class QWidget;

namespace morvane {

class Form3;

// Moves `window` (not yet shown) so that it lies in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

// Places `log` again below `main` once the main window's frame is known (the first move or
// resize after which the frame differs from the bare window), then stops: later moves by the
// user leave the log window where it is. It lives as long as the log window.
class LogWindowPlacer final : public QObject {
  public:
    using FrameOf = std::function<QRect(const QWidget&)>;
    // `frameOf` reads a window's outer frame; QWidget::frameGeometry unless a test says.
    LogWindowPlacer(Form3& log, QWidget& main, FrameOf frameOf = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool FrameKnown() const;

    Form3& log_;
    QPointer<QWidget> main_;
    FrameOf frameOf_;
};

}  // namespace morvane
