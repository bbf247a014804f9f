#include "DropScanner.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace morvane {

DropScanner::DropScanner(QWidget& window, Scan scan) : QObject(&window), scan_(std::move(scan)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QString DropScanner::DroppedPath(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) return QDir::toNativeSeparators(url.toLocalFile());
    return {};
}

bool DropScanner::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData() != nullptr && !DroppedPath(*drag->mimeData()).isEmpty())
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path =
                drop->mimeData() != nullptr ? DroppedPath(*drop->mimeData()) : QString();
            if (path.isEmpty()) return true;
            drop->acceptProposedAction();
            scan_(path);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}

}  // namespace morvane
