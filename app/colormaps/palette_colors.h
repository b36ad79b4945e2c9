// Colours between the colormap record, the program's palette arrays and the plotting library: the range
// set in use, the start and end colour of every range as files store them, the single colours at 232 and
// 233, and filling the ranges through the library.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "app/colormaps/color_map.h"

namespace zenphra::app {

// Entries 0 to 231 of the palette hold the colour ranges.
inline constexpr int32_t kRangeEntries = 232;

// The number of ranges in use: 4 and 8 stand as they are, any other value is taken as 2.
int32_t RangeCount(int32_t numRanges);

// The colormap's range set for that number of ranges: start and end colour of every range, in order.
std::span<PackedColor> RangeSet(ColorMap& colors, int32_t numRanges);

// The colour of one palette entry, and storing a colour there (only its three low bytes).
PackedColor EntryColor(const PaletteArrays& palette, int32_t entry);
void SetEntryColor(PaletteArrays& palette, int32_t entry, PackedColor color);

// Start and end colour of every range as the palette holds them now.
std::vector<PackedColor> RangeEndColors(const PaletteArrays& palette, int32_t numRanges);

// Fills every range from its start and end colour with the library's SetColorRange, into the palette
// whose addresses the library holds; the number of colours (4, 8 or 16) gives the number of ranges.
void ApplyRangeColors(std::span<const PackedColor> rangeEnds);

}  // namespace zenphra::app
