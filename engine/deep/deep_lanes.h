// "Level Set" of the classic set and "Lambda" in set form on a deep image of doubles, in vector lanes:
// the most common deep images, whose pixels spend most of their time in plain steps, one dependent on
// the next.
// The lanes take those steps for several pixels at once; every pixel takes exactly the actions, and
// gets exactly the steps, EscapeSteps gives it alone.
#pragma once

#include <cstdint>

#include "engine/deep/deep_image.h"
#include "engine/pixel_context.h"
#include "engine/row_kernels.h"

namespace zenphra {

// Whether the lanes plot the image's pixels: "Level Set" of the classic set or "Lambda" in set form,
// with numbers of doubles and a positive iteration limit.
bool LanesPlotDeepPixels(const DeepImage& image, const PlotContext& context);

// The escape steps of pixels firstColumn .. firstColumn + count - 1 of the row, as EscapeSteps gives
// them. When `cancel` is requested, some are left unwritten.
void EscapeStepsInLanes(const DeepImage& image, int32_t row, int32_t firstColumn, int32_t count,
                        int64_t maxIters, double limit, Cancellation cancel, int64_t* steps);

}  // namespace zenphra
