// Where the colormap editor opens: beside the main picture, so the image stays in sight while its
// colours change. On a large-fonts screen the editor goes just right of the picture; elsewhere it covers
// the right-hand part of the main window, whose layout is then known.
#pragma once

#include <QPoint>
#include <QRect>

namespace zenphra::app {

struct EditorPlacement {
    QRect explorerFrame;  // the main window with its frame, in screen pixels
    QRect picture;        // the main picture, in screen pixels
    bool largeFonts = false;
    double twipsPerPixelX = 15.0;  // for the window position kept between runs
    double twipsPerPixelY = 15.0;
};

// The screen position of the editor's top left corner (with its frame). The editor is wider than the
// part of the main window it covers, so the window moves it onto the screen when it would overhang it.
QPoint EditorPosition(const EditorPlacement& placement);

}  // namespace zenphra::app
