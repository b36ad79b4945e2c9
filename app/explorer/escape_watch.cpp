#include "app/explorer/escape_watch.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace zenphra::app {

EscapeWatch::EscapeWatch(QWidget* window, std::function<void()> pressed)
    : QObject(window), window_(window), pressed_(std::move(pressed)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool EscapeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == window_) pressed_();
    }
    return false;
}

}  // namespace zenphra::app
