// Files and folders dropped on the main window from a file manager: the first local path of
// the drop is handed on to be scanned as the command line would scan it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace morvane {

class DropScanner final : public QObject {
  public:
    using Scan = std::function<void(const QString& path)>;
    // Lets `window` take drops of local files and folders; `scan` gets the dropped path.
    DropScanner(QWidget& window, Scan scan);

    // The first local file or folder that `data` carries, in the platform's own form; empty
    // when it carries none.
    static QString DroppedPath(const QMimeData& data);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Scan scan_;
};

}  // namespace morvane
