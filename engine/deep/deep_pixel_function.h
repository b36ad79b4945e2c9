// The function that plots one pixel of a deep image, chosen once per plot for the image's equation,
// numbers and rendering. The choices are made in one file per group of equations.
#pragma once

#include <cstdint>

#include "engine/deep/deep_image.h"
#include "engine/pixel_context.h"
#include "engine/row_kernels.h"

namespace zenphra {

using DeepPixelFunction = uint8_t (*)(const DeepImage& image, const PlotContext& context, int32_t row,
                                      int32_t column, Cancellation cancel);

DeepPixelFunction DeepPixelFunctionFor(const DeepImage& image, int32_t rendering);

// By group: "Classic Mandlebrot" and "Lambda"; "Pokorny", "Spiral Symmetry 2" and "Barnsley 2";
// "Chebyshev".
DeepPixelFunction ClassicOrLambdaPixelFunction(const DeepImage& image, int32_t rendering);
DeepPixelFunction QuadraticPixelFunction(const DeepImage& image, int32_t rendering);
DeepPixelFunction ChebyshevPixelFunction(const DeepImage& image, int32_t rendering);

}  // namespace zenphra
