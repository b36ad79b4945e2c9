// Plotting the pixels of a deep image, from the references and tables its DeepImage holds: on worker
// threads through a PixelStream, or a row at a time on the calling thread.
#pragma once

#include <cstdint>

#include "engine/deep/deep_image.h"
#include "engine/row_kernels.h"

namespace zenphra {

// As PlotPixelsInLanes: plots the stream's pixels until it has no more; false when cancelled.
bool PlotDeepPixels(const DeepImage& image, const PlotParams& params, PixelStream& stream,
                    Cancellation cancellation);

// As PlotRowByPixel: pixels 0 .. count - 1 of the row, polling for Escape before each one; returns
// count or the column at which Escape came.
int32_t PlotDeepRowByPixel(const DeepImage& image, const PlotParams& params, int32_t row, int32_t count,
                           uint8_t* out);

}  // namespace zenphra
