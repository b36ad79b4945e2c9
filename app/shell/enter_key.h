// Enter on a focused button clicks it, as Space does, in every window and dialog of the program; and a
// list that Enter acts on keeps the key to itself, so the dialog's default button never acts on it too.
#pragma once

#include <functional>

class QWidget;

namespace zenphra::app {

// Installs the key handling for the whole application; a second call changes nothing.
void InstallEnterClicksButtons();

// From now on Enter on the control runs `action` (nothing at all when it is empty) and goes no further.
void KeepEnterKey(QWidget* control, std::function<void()> action = {});

}  // namespace zenphra::app
