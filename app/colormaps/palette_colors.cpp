#include "app/colormaps/palette_colors.h"

#include "app/shell/engine_api.h"

namespace zenphra::app {

int32_t RangeCount(int32_t numRanges) { return numRanges == 4 || numRanges == 8 ? numRanges : 2; }

std::span<PackedColor> RangeSet(ColorMap& colors, int32_t numRanges) {
    switch (RangeCount(numRanges)) {
        case 8:
            return colors.RangeColors8;
        case 4:
            return colors.RangeColors4;
        default:
            return colors.RangeColors2;
    }
}

PackedColor EntryColor(const PaletteArrays& palette, int32_t entry) {
    return PackColor(palette.PalRed[entry], palette.PalGrn[entry], palette.PalBlu[entry]);
}

void SetEntryColor(PaletteArrays& palette, int32_t entry, PackedColor color) {
    palette.PalRed[entry] = RedOf(color);
    palette.PalGrn[entry] = GreenOf(color);
    palette.PalBlu[entry] = BlueOf(color);
}

std::vector<PackedColor> RangeEndColors(const PaletteArrays& palette, int32_t numRanges) {
    const int32_t length = kRangeEntries / RangeCount(numRanges);
    std::vector<PackedColor> ends;
    for (int32_t start = 0; start < kRangeEntries; start += length) {
        ends.push_back(EntryColor(palette, start));
        ends.push_back(EntryColor(palette, start + length - 1));
    }
    return ends;
}

void ApplyRangeColors(std::span<const PackedColor> rangeEnds) {
    const int32_t ranges = RangeCount(static_cast<int32_t>(rangeEnds.size() / 2));
    const int32_t length = kRangeEntries / ranges;
    for (int32_t range = 0; range < ranges; ++range) {
        Engine().SetColorRange(range * length, length, rangeEnds[2 * range], rangeEnds[2 * range + 1]);
    }
}

}  // namespace zenphra::app
