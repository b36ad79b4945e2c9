// A button whose accelerator key runs its command at once. A plain button answers its accelerator with
// an animated click that shows it pressed for a tenth of a second before anything happens, which makes
// every keyboard command of the explorer (Alt+P for Plot above all) that much slower.
#pragma once

#include <QPushButton>

namespace zenphra::app {

class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

  protected:
    bool event(QEvent* event) override;
};

}  // namespace zenphra::app
