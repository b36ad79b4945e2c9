// What the window and the renderer say about how an image is drawn: the deep path's depth and precision,
// how far the making of its reference orbit and approximation table has come, and when the iteration
// limit hides what lies at that depth.
#pragma once

#include <QString>
#include <cstdint>

#include "app/common/fractal_params.h"
#include "zenphra.h"

namespace zenphra::app {

// "deep: 1.2e52, 190 bits" for an image the deep path draws; nothing for an image drawn with doubles.
QString PlotPathText(const ZenphraPlotPath& path, const FractalParams& params);

// "reference orbit" or "approximation table" for the phase of making a deep image; null for the others.
const char* DeepPhaseName(int32_t phase);

// While a deep image's reference orbit or approximation table is made, how far that has come
// ("reference orbit 45%"); else nothing.
QString DeepPhaseText(const ZenphraPlotPath& path);

// The hint for a deep image when more than half of its plotted pixels reached the iteration limit,
// else nothing. Short enough for a line of the row label's frame.
QString MaxItersHint(int64_t atLimit, int64_t plotted);

}  // namespace zenphra::app
