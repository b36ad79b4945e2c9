// The image the renderer makes: its parameters and its colours, and the limits of what it accepts.
#pragma once

#include <cstdint>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"

namespace zenphra::cli {

inline constexpr int32_t kSmallestSide = 32;
inline constexpr int32_t kLargestSide = 16384;

// A parameter entry carries no size; without --size its image gets this one.
inline constexpr int32_t kEntryHorRes = 640;
inline constexpr int32_t kEntryVertRes = 480;

// The explorer's first-run parameters and default colours unless something else is set.
struct RenderSetup {
    app::FractalParams params;
    app::ColorMap colors;
};

// Writes the colours into the palette whose addresses the library holds: the range set of the image's
// number of ranges, then the maximum-iteration and background colours.
void ApplyColors(const RenderSetup& setup, app::PaletteArrays& palette);

}  // namespace zenphra::cli
