// Files dropped on the window: an image loads as "&Load Image File" loads it, and a parameter file opens
// in the dialog of "L&oad Parameters". The window takes one file at a time and only while it is idle;
// anything else is refused, and the pointer says so.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include "app/explorer/explorer_window.h"

namespace zenphra::app {

std::optional<QString> ExplorerWindow::DroppedFile(const QMimeData* data) const {
    if (!data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) return std::nullopt;
    const QString path = url.toLocalFile();
    // Taken when the command that loads it could be given now.
    const ControlStates states = session_.Controls();
    const bool known = (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) && states.LoadImage) ||
                       (path.endsWith(QStringLiteral(".prm"), Qt::CaseInsensitive) && states.LoadParam);
    if (!known) return std::nullopt;
    return path;
}

void ExplorerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void ExplorerWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedFile(event->mimeData())) event->acceptProposedAction();
}

void ExplorerWindow::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = DroppedFile(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    // The drop ends first: the load may show a dialog or a message of its own.
    QMetaObject::invokeMethod(
        this,
        [this, file = *path] {
            if (file.endsWith(QStringLiteral(".prm"), Qt::CaseInsensitive)) {
                LoadParametersFrom(file);
            } else {
                LoadImageFrom(file);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace zenphra::app
