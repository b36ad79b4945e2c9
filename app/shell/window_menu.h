// The explorer's window menu: where the window system's own menu of a window would carry them, the three
// commands of window_commands.h, each after a separator.
#pragma once

#include <QAction>
#include <QMenu>
#include <cstdint>

namespace zenphra::app {

struct WindowMenuItems {
    QAction* banding = nullptr;
    QAction* tutorial = nullptr;
    QAction* about = nullptr;
};

// Appends the items to the menu, the banding item named for `banding`.
WindowMenuItems AddWindowCommands(QMenu* menu, int32_t banding);

}  // namespace zenphra::app
