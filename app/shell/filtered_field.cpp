#include "app/shell/filtered_field.h"

#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

#include "app/common/valid_num.h"

namespace zenphra::app {
namespace {

// A key that types something no filter can take: a character of two UTF-16 units (outside the Basic
// Multilingual Plane), or several characters at once.
constexpr int kUntypable = -1;

// The character a key types, as the filters see it: Backspace is 8; keys that type nothing (arrows,
// Home, Delete) give 0 and keep their usual editing meaning.
int TypedCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) return kBackspaceKey;
    const QString text = event.text();
    if (text.isEmpty() || text[0] < QLatin1Char(' ') || text[0] == QChar(0x7f)) return 0;
    if (text.size() != 1) return kUntypable;
    return text[0].unicode();
}

}  // namespace

FilteredField::FilteredField(const QString& objectName, KeyFilter filter, QWidget* parent)
    : QLineEdit(parent), filter_(std::move(filter)) {
    setObjectName(objectName);
    // Only keys type into a number field: nothing is pasted, dropped or composed by an input method.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void FilteredField::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button would paste the selection.
    if (event->button() == Qt::MiddleButton) return;
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredField::dropEvent(QDropEvent* event) { event->ignore(); }

void FilteredField::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

void FilteredField::ShowText(const QString& text) {
    setText(text);
    setCursorPosition(0);
}

void FilteredField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A mouse click places the cursor after the focus arrives, so the selection waits for it.
    if (event->reason() == Qt::MouseFocusReason) {
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    } else {
        selectAll();
    }
}

void FilteredField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit LostFocus();
}

void FilteredField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    if (event->matches(QKeySequence::Paste)) return;
    // Alt and Meta keys are accelerators, never typing; Ctrl keys copy, cut, select or undo.
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    const int code = event->modifiers() & Qt::ControlModifier ? 0 : TypedCode(*event);
    if (code == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (code == kUntypable) return;
    // Typing replaces the whole field, as an edit of the user's even when the filter then refuses the key.
    if (hasSelectedText()) {
        selectAll();
        del();
    }
    if (filter_(code, text().trimmed()) == 0) return;
    QLineEdit::keyPressEvent(event);
}

}  // namespace zenphra::app
