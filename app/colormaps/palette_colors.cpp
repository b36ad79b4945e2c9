#include "app/colormaps/palette_colors.h"

#include "app/common/engine_api.h"

namespace zenphra::app {

std::vector<PackedColor> RangeEndColors(const PaletteArrays& palette, int32_t numRanges) {
    const int32_t length = kRangeEntries / UsedRanges(numRanges);
    std::vector<PackedColor> ends;
    for (int32_t start = 0; start < kRangeEntries; start += length) {
        ends.push_back(PaletteColor(palette, start));
        ends.push_back(PaletteColor(palette, start + length - 1));
    }
    return ends;
}

void ApplyRangeColors(std::span<const PackedColor> rangeEnds) {
    const int32_t ranges = UsedRanges(static_cast<int32_t>(rangeEnds.size() / 2));
    const int32_t length = kRangeEntries / ranges;
    for (int32_t range = 0; range < ranges; ++range) {
        Engine().SetColorRange(range * length, length, rangeEnds[2 * range], rangeEnds[2 * range + 1]);
    }
}

void ApplyColormap(const ColorMap& colors, int32_t numRanges) {
    ApplyRangeColors(RangeColorsFor(colors, numRanges));
}

}  // namespace zenphra::app
