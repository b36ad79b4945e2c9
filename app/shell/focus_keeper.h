// Gives the focus back to the control the user was on once a command that disabled it is over. Qt
// moves the focus on when the focused control is disabled, and in the main window's busy state the next
// control still enabled is "Exit Program", where the next Enter would end the program.
#pragma once

#include <QPointer>
#include <QWidget>

namespace zenphra::app {

class FocusKeeper {
  public:
    explicit FocusKeeper(const QWidget* window) : focused_(window->focusWidget()) {}
    ~FocusKeeper() {
        if (focused_ != nullptr && focused_->isEnabled()) focused_->setFocus();
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

  private:
    QPointer<QWidget> focused_;
};

}  // namespace zenphra::app
