// Plotting one row of the main image: the per-row constants, and the loop over its pixels with the
// Escape poll before each one.
#pragma once

#include <cstdint>

#include "engine/library_state.h"
#include "engine/pixel_kernel.h"

namespace zenphra {

RowContext MakeRowContext(const PlotParams& params, int32_t row);

// Computes pixels 0 .. columns - 1 of the row into `pixels`. Returns `columns`, or the column at which
// the Escape poll fired; that pixel and those after it are left as they were.
int32_t PlotRow(const RowContext& context, uint8_t* pixels, int32_t columns);

}  // namespace zenphra
