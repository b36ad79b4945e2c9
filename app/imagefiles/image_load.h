// Loading a fractal image file as the current image: its pixels into the library, its text into the
// parameters and colours, and where its plot resumes. A file is taken only whole: one that cannot be
// used changes nothing, and the image shown before stays.
#pragma once

#include <QString>
#include <cstdint>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/imagefiles/fractal_text.h"

namespace zenphra::app {

// What the window takes over from a loaded image.
struct LoadedImage {
    int32_t Bitmap = 0;  // the library's new display bitmap, already coloured; always positive
    // Every parameter of the text. The custom resolution texts are the image's size when its width has no
    // resolution option, and the caller's otherwise.
    FractalParams Params;
    ColorMap Colors;     // the caller's colormap with the image's colours in the set of its ranges
    ResumePoint Resume;  // the window's plot row, where the next Plot starts, and whether it is done
    QString RowLabel;    // "Done" for a complete image, else the row its plot resumes at
};

enum class LoadStatus {
    kLoaded,
    // A message has been shown; the parameters, the colours and the library's image are as they were.
    kRefused,
    // The file changed while it was being read and what was read last is refused: the library no longer
    // holds the image that is shown, so the window must forget its image.
    kImageReplaced,
};

struct ImageLoad {
    LoadStatus Status = LoadStatus::kRefused;
    LoadedImage Image;  // set only when loaded
};

// Loads the image file at `path`. Refused, with the message: a file the library cannot read (ErrCheck's
// message), an equation or rendering this edition does not have, and with "Error loading "<path>"" a text
// that cannot be read, one whose resume row lies outside the image, and one whose size is not that of
// the pixels stored with it. The file is first read as a preview, which leaves the main image alone;
// only a file that passes is read in its place. `current` and `colors` are the window's; on success
// palette entries 232 and 233 and the ranges of `palette`, the palette whose addresses the library
// holds, take the image's colours.
ImageLoad LoadImageFile(const QString& path, const FractalParams& current, const ColorMap& colors,
                        PaletteArrays& palette);

}  // namespace zenphra::app
