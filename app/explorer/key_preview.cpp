#include "app/explorer/key_preview.h"

#include <QCoreApplication>

namespace zenphra::app {

KeyPreview::KeyPreview(QWidget* window, PressHandler pressed, std::function<void()> released)
    : QObject(window), window_(window), pressed_(std::move(pressed)), released_(std::move(released)) {}

// Installed last, the preview sees the keys before every other application-wide key handling.
void KeyPreview::Start() {
    if (started_) return;
    started_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

void KeyPreview::Stop() {
    if (!started_) return;
    started_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        released_();
        return false;
    }
    if (pressed_(key)) return true;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace zenphra::app
