// The colour commands: "&Modify Colors" opens the colormap editor of the current number of ranges over
// the window, and "&Default Colors" puts the default colours of that number back. Both re-colour the
// image on screen at once.
#include "app/colormaps/color_editor_dialog.h"
#include "app/explorer/explorer_window.h"

namespace zenphra::app {

void ExplorerWindow::ConnectColorCommands() {
    connect(ui_.cmdModColors, &QPushButton::clicked, this, &ExplorerWindow::ModifyColors);
    connect(ui_.cmdDefColors, &QPushButton::clicked, this, [this] {
        if (DefaultColors(session_.colors, session_.params.NumRanges, session_.ImagePresent))
            ShowRecoloured();
    });
}

void ExplorerWindow::ModifyColors() {
    const QRect picture(ui_.pic->mapToGlobal(QPoint(0, 0)), ui_.pic->size());
    const EditorPlacement placement{frameGeometry(), picture, largeFonts_, twipsPerPixelX_, twipsPerPixelY_};
    const ColorEditorContext context{
        session_.palette,      session_.colors, session_.params.NumRanges,   session_.UsingHLS, locations_,
        session_.ImagePresent, placement,       [this] { ShowRecoloured(); }};
    const FocusKeeper focus(this);
    session_.flags.EditorOpen = true;
    ApplyControlStates();
    ColorEditorDialog editor(context, this);
    editor.exec();
    session_.flags.EditorOpen = false;
    ApplyControlStates();
}

// The library has re-coloured its display bitmap: the picture shows it.
void ExplorerWindow::ShowRecoloured() {
    if (session_.ImagePresent) ui_.pic->ShowBitmap(session_.Bitmap);
}

}  // namespace zenphra::app
