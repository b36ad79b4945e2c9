#include "app/explorer/apply_colormap.h"

#include "app/shell/engine_api.h"

namespace zenphra::app {

void ApplyColormap(const ColorMap& colors, int32_t numRanges) {
    const int32_t ranges = UsedRanges(numRanges);
    const int32_t rangeLength = kRangeEntries / ranges;
    const auto ends = RangeColorsFor(colors, ranges);
    for (int32_t range = 0; range < ranges; ++range) {
        Engine().SetColorRange(range * rangeLength, rangeLength, ends[2 * range], ends[2 * range + 1]);
    }
}

}  // namespace zenphra::app
