// Saving the current image as a fractal image file: the library writes the index buffer and the palette,
// with the fractal text of the parameters, the resume row and the colours.
#pragma once

#include <QString>
#include <cstdint>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"

namespace zenphra::app {

// Returns the library's result: 0, or a negative code for ErrCheck.
int32_t SaveImageFile(const QString& path, const FractalParams& params, int32_t startY,
                      const PaletteArrays& palette);

}  // namespace zenphra::app
