// Colours between the colormap record, the program's palette arrays and the plotting library: the start
// and end colour of every range as the palette holds them, and filling the ranges through the library.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "app/common/color_map.h"

namespace zenphra::app {

// Start and end colour of every range as the palette holds them now.
std::vector<PackedColor> RangeEndColors(const PaletteArrays& palette, int32_t numRanges);

// Fills every range from its start and end colour with the library's SetColorRange, into the palette
// whose addresses the library holds (which re-colours the image on screen when one is present); the
// number of colours (4, 8 or 16) gives the number of ranges. Entries 232 and 233 are the caller's.
void ApplyRangeColors(std::span<const PackedColor> rangeEnds);

// Fills palette entries 0 to 231 from the range set of `numRanges` (any count but 4 and 8 uses the
// two-range set).
void ApplyColormap(const ColorMap& colors, int32_t numRanges);

}  // namespace zenphra::app
