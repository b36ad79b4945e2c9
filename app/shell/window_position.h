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

// The available areas of the screens there are now.
QList<QRect> AvailableScreens();

// Moves the window, not yet shown, to `place` (its frame's top-left corner), or as near to it as keeps
// all of it on a screen. Its frame is taken to be as wide as its owner's: the window manager frames a
// program's windows alike, and a window's own frame is known only once it is shown.
void PlaceWhollyOnScreen(QWidget* window, QPoint place);

}  // namespace zenphra::app
