// The window menu: banding on or off, the tutorial and the About box, where the window system's own
// menu of a window would carry them, with the tutorial window and the banding label they go with.
#include <QLayout>
#include <QMenuBar>

#include "app/explorer/explorer_window.h"
#include "app/shell/about_box.h"
#include "app/shell/window_commands.h"

namespace zenphra::app {

void ExplorerWindow::BuildWindowMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* menu = bar->addMenu(QStringLiteral("&Window"));
    menu->setObjectName(QStringLiteral("mnuWindow"));
    layout()->setMenuBar(bar);
    AddNavigationItems(menu);
    menuItems_ = AddWindowCommands(menu, session_.Params().Banding);
    connect(menuItems_.banding, &QAction::triggered, this, [this] {
        const CommandGuard command(*this, &ControlStates::Banding);
        if (!command) return;
        session_.BandingToggled();
        UpdateBandingItem();
    });
    connect(menuItems_.tutorial, &QAction::triggered, this, &ExplorerWindow::ShowTutorialBox);
    connect(menuItems_.about, &QAction::triggered, this, [this] { ShowAbout(positions_, this); });

    tutorial_ = new TutorialBox(locations_.TutorialFile, positions_, this);
    connect(tutorial_, &TutorialBox::ShownChanged, this, [this](bool shown) {
        const CommandGuard shownOrHidden(*this);
        session_.TutorialShownChanged(shown);
    });
    connect(ui_.cmdTutorial, &QPushButton::clicked, this, [this] {
        if (const CommandGuard command(*this, &ControlStates::Tutorial); command) ShowTutorialBox();
    });
}

void ExplorerWindow::ShowTutorialBox() { tutorial_->Show(); }

// The banding item and label say what Banding holds: after start-up, a toggle, and every load.
void ExplorerWindow::UpdateBandingItem() {
    menuItems_.banding->setText(BandingCommandText(session_.Params().Banding));
    SetBandingLabel();
}

void ExplorerWindow::SetBandingLabel() {
    ui_.lblBanding->setText(BandingLabelText(session_.Params().Banding));
}

}  // namespace zenphra::app
