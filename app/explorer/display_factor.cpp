#include "app/explorer/display_factor.h"

#include <algorithm>
#include <cmath>

namespace zenphra::app {
namespace {

int32_t ShownSide(int32_t side, int32_t factor) {
    const double shown = std::nearbyint(static_cast<double>(side) / factor);
    return std::max(1, static_cast<int32_t>(shown));
}

}  // namespace

DisplayFactor ComputeDisplayFactor(int32_t horRes, int32_t vertRes) {
    // The test uses the truncated quotient, as the library does: with the rounded one a 2051 x 1538
    // image would get factor 8 here but step 4 in the library, and show a quarter of the image.
    int32_t factor = 1;
    while (horRes / factor > kPictureMaxWidth || vertRes / factor > kPictureMaxHeight) factor *= 2;
    return DisplayFactor{factor, ShownSide(horRes, factor), ShownSide(vertRes, factor)};
}

}  // namespace zenphra::app
