#include "app/shell/command_button.h"

#include <QShortcutEvent>

namespace zenphra::app {

bool CommandButton::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut) return QPushButton::event(event);
    // An accelerator shared with another enabled control only moves the focus, as for any button.
    if (focusPolicy() != Qt::NoFocus) setFocus(Qt::ShortcutFocusReason);
    if (!static_cast<QShortcutEvent*>(event)->isAmbiguous()) click();
    return true;
}

}  // namespace zenphra::app
