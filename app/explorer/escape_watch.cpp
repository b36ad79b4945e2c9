#include "app/explorer/escape_watch.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "app/common/engine_api.h"

namespace zenphra::app {
namespace {

// How often the poll lets the window see its events; the library polls far more often than this.
constexpr qint64 kEventIntervalMs = 30;

EscapeWatch* activeWatch = nullptr;

}  // namespace

EscapeWatch::EscapeWatch(QWidget* window) : QObject(window), window_(window) {
    sinceEvents_.start();
    QCoreApplication::instance()->installEventFilter(this);
    activeWatch = this;
    Engine().SetAbortPoll(&EscapeWatch::Poll);
}

EscapeWatch::~EscapeWatch() {
    if (activeWatch != this) return;
    Engine().SetAbortPoll(nullptr);
    activeWatch = nullptr;
}

bool EscapeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Only keys meant for the window itself: Escape in a message box closes the box.
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == window_) pressed_ = true;
    }
    return false;
}

int32_t EscapeWatch::Poll() {
    if (activeWatch != nullptr && !activeWatch->pressed_ &&
        activeWatch->sinceEvents_.elapsed() >= kEventIntervalMs) {
        activeWatch->sinceEvents_.restart();
        QCoreApplication::processEvents();
    }
    // Asked again: the window may have gone while its events were handled.
    return activeWatch != nullptr && activeWatch->pressed_ ? 1 : 0;
}

}  // namespace zenphra::app
