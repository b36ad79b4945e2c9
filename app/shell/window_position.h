// Windows that come back where the user left them (on screens of more than 96 logical pixels per inch;
// see form_position.h). The main window and the large windows restore their place the first time they
// are shown; the small dialogs every time the program shows them. Either way the place is kept on a
// screen that exists now.
#pragma once

#include <QWidget>

#include "app/shell/form_position.h"

namespace zenphra::app {

enum class RestoreWhen { kFirstShow, kEveryShow };

// From now on the window's position is kept under its object name: restored when it is shown, and
// saved whenever the program hides or closes it. The windows that keep their positions have fixed
// sizes, so only the place is restored.
void KeepWindowPosition(QWidget* window, const WindowPositions& positions, RestoreWhen when);

}  // namespace zenphra::app
