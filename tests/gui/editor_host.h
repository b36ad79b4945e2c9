// A stand-in for the main window behind the colormap editor: the program's palette handed to the
// library, an image plotted with the window's first-run parameters and shown in a picture box, and the
// context the editor is opened with, whose `recoloured` copies the library's bitmap onto the picture as
// the main window does.
#pragma once

#include <QWidget>
#include <cstdint>

#include "app/colormaps/color_editor.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/picture_box.h"

namespace zenphra::app {

class EditorHost : public QWidget {
    Q_OBJECT

  public:
    // Binds the library beside the program (ending the program when it cannot) and plots an image of
    // that size with that number of ranges. Call after the application object exists.
    EditorHost(int32_t numRanges, QSize imageSize);
    ~EditorHost() override;

    ColorEditorContext Context();
    const PictureBox& Picture() const { return *picture_; }
    // The library's display bitmap as it is now, without re-colouring it.
    QImage LibraryBitmap() const;
    int Recolourings() const { return recolourings_; }

    PaletteArrays palette;
    ColorMap colors;
    bool usingHLS = false;
    FileLocations locations;
    int32_t numRanges;

  private:
    PictureBox* picture_;
    DisplayFactor shown_;
    int32_t bitmap_ = 0;
    int recolourings_ = 0;
};

}  // namespace zenphra::app
