// The colour commands: "&Modify Colors" opens the colormap editor of the current number of ranges over
// the window, and "&Default Colors" puts the default colours of that number back. Both re-colour the
// image on screen at once.
#include "app/colormaps/color_editor_dialog.h"
#include "app/explorer/explorer_window.h"

namespace zenphra::app {

void ExplorerWindow::ConnectColorCommands() {
    connect(ui_.cmdModColors, &QPushButton::clicked, this, &ExplorerWindow::ModifyColors);
    connect(ui_.cmdDefColors, &QPushButton::clicked, this, [this] {
        const CommandGuard command(*this, &ControlStates::DefColors);
        if (command && session_.DefaultColorsChosen()) ShowRecoloured();
    });
}

void ExplorerWindow::ModifyColors() {
    const CommandGuard command(*this, &ControlStates::ModColors);
    if (!command) return;
    const QRect picture(ui_.pic->mapToGlobal(QPoint(0, 0)), ui_.pic->size());
    const EditorPlacement placement{frameGeometry(), picture, largeFonts_, twipsPerPixelX_, twipsPerPixelY_};
    const Held held = HeldByEditor();
    ColorEditorDialog editor(session_.EditorContext(locations_, placement, [this] { ShowRecoloured(); }),
                             this);
    editor.exec();
}

// The library has re-coloured its display bitmap: the picture shows it.
void ExplorerWindow::ShowRecoloured() {
    if (session_.ImagePresent()) ui_.pic->ShowBitmap(session_.Bitmap());
}

}  // namespace zenphra::app
