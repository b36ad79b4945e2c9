// Writing a colormap into the palette through the plotting library, which also re-colours the image
// on screen when one is present.
#pragma once

#include <cstdint>

#include "app/colormaps/color_map.h"

namespace zenphra::app {

// Fills palette entries 0 to 231 from the range set of `numRanges` (any count but 4 and 8 uses the
// two-range set). Entries 232 and 233 are the caller's. Needs the library bound and its colour pointers
// set.
void ApplyColormap(const ColorMap& colors, int32_t numRanges);

}  // namespace zenphra::app
