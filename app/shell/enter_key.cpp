#include "app/shell/enter_key.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace zenphra::app {
namespace {

class EnterClicksButtons : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button == nullptr || !button->isEnabled() || !button->hasFocus()) return false;
        button->click();
        return true;
    }
};

}  // namespace

void InstallEnterClicksButtons() {
    static EnterClicksButtons* filter = nullptr;
    if (filter != nullptr) return;
    filter = new EnterClicksButtons(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace zenphra::app
