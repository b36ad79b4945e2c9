// The 256-entry palette: 0-231 colour ranges, 232 maximum-iteration colour, 233 background, 234 the
// colour of pixels not yet plotted. Ranges are filled by linear interpolation between their end colours
// and can be rotated by whole ranges; entries 232 and up never move.
#pragma once

#include <cstdint>

#include "engine/indexed_image.h"

namespace zenphra {

inline constexpr int32_t kRangeEntries = ZENPHRA_RANGE_ENTRIES;

// Fills entries start .. start + count - 1 from startColor to endColor (packed 0x00BBGGRR). A count
// below 2, or a range outside entries 0-231, changes nothing and returns false.
bool FillColorRange(const Palette& palette, int32_t start, int32_t count, int32_t startColor,
                    int32_t endColor);

// Moves every range one place down (direction 0: each range takes the colours of the range above it, the
// first range's go to the last) or up (any other direction). `count` is the range length: 29, 58 or 116;
// anything else changes nothing and returns false.
bool RotateColorRanges(const Palette& palette, int32_t direction, int32_t count);

}  // namespace zenphra
