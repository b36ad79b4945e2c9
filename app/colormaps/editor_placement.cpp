#include "app/colormaps/editor_placement.h"

namespace zenphra::app {

QPoint EditorPosition(const EditorPlacement& placement) {
    if (placement.largeFonts) {
        const QRect& picture = placement.picture;
        return {picture.x() + picture.width() + 5, picture.y() - 6};
    }
    const QRect& frame = placement.explorerFrame;
    return {frame.x() + frame.width() - 262, frame.y() + 23};
}

}  // namespace zenphra::app
