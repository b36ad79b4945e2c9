#include "app/shell/window_menu.h"

#include "app/shell/window_commands.h"

namespace zenphra::app {

WindowMenuItems AddWindowCommands(QMenu* menu, int32_t banding) {
    WindowMenuItems items;
    menu->addSeparator();
    items.banding = menu->addAction(BandingCommandText(banding));
    items.banding->setObjectName(QStringLiteral("mnuBanding"));
    menu->addSeparator();
    items.tutorial = menu->addAction(kTutorialCommandText);
    items.tutorial->setObjectName(QStringLiteral("mnuTutorial"));
    menu->addSeparator();
    items.about = menu->addAction(kAboutCommandText);
    items.about->setObjectName(QStringLiteral("mnuAbout"));
    return items;
}

}  // namespace zenphra::app
