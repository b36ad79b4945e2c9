#include "app/shell/enter_key.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace zenphra::app {
namespace {

// Enter or Return pressed alone (the keypad's Enter too).
bool IsPlainEnter(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class EnterClicksButtons : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsPlainEnter(*event)) return false;
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr || !button->isEnabled() || !button->hasFocus()) return false;
        button->click();
        return true;
    }
};

// A list view acts on Enter and then passes the key on to its window, where the default button would
// act on it as well; a closed drop-down list passes it on without acting at all.
class EnterStaysHere : public QObject {
  public:
    EnterStaysHere(QWidget* control, std::function<void()> action)
        : QObject(control), action_(std::move(action)) {
        control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!IsPlainEnter(*event)) return false;
        if (action_) action_();
        return true;
    }

  private:
    std::function<void()> action_;
};

}  // namespace

void KeepEnterKey(QWidget* control, std::function<void()> action) {
    new EnterStaysHere(control, std::move(action));
}

void InstallEnterClicksButtons() {
    static EnterClicksButtons* filter = nullptr;
    if (filter != nullptr) return;
    filter = new EnterClicksButtons(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace zenphra::app
