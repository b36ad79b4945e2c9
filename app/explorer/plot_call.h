// The plotting library's InitPlotDeep with the explorer's parameters, as every front end passes them: a
// new image when the plot starts at row 0, parameters only when it resumes. The location goes as text, in
// full where it is deeper than its doubles.
#pragma once

#include <cstdint>

#include "app/common/fractal_params.h"

namespace zenphra::app {

// Returns the library's result: a bitmap handle for a new image, 0 when only the parameters were taken,
// or a negative code.
int32_t InitPlotWith(const FractalParams& params, int32_t startY, int32_t imageFactor);

}  // namespace zenphra::app
