// Saving the current image as a fractal image file: the library writes the index buffer and the palette,
// with the fractal text of the parameters, the resume row and the colours.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"

namespace zenphra::app {

// The text saved with an image whose plot would do `plotRow` next (VertRes once it is complete): the
// resume row follows from it as StartYToSave says. Nothing, after the message "The parameters of this
// image are too long to be saved with it.", when the text is longer than an image file may carry (huge
// values, written with all their decimals).
std::optional<QByteArray> FractalTextToSave(const FractalParams& params, int32_t plotRow,
                                            const PaletteArrays& palette);

// Writes the image the library holds to `path` with that text. True when the file was written; otherwise
// the message has been shown (the text's, "Error saving" for a file marked read-only, or the library's
// result through ErrCheck) and any file of that name is as it was. The row is only read: the caller's own
// resume row stays what it was.
bool SaveImageFile(const QString& path, const FractalParams& params, int32_t plotRow,
                   const PaletteArrays& palette);

}  // namespace zenphra::app
