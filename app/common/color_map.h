// Colours: the program's palette arrays, which the plotting library reads and writes, and the colormap
// that fills them: the end colours of every range for two, four and eight ranges, the maximum-iteration
// colour and the background colour. A colour outside the palette is packed as 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "zenphra.h"

namespace zenphra::app {

using PackedColor = int32_t;

inline constexpr int32_t kPaletteEntries = ZENPHRA_PALETTE_ENTRIES;  // the library uses 0 to 255
inline constexpr int32_t kRangeEntries = ZENPHRA_RANGE_ENTRIES;      // entries 0 to 231: the colour ranges
inline constexpr int32_t kMaxIterEntry = ZENPHRA_MAX_ITER_ENTRY;
inline constexpr int32_t kBackgroundEntry = ZENPHRA_BACKGROUND_ENTRY;
inline constexpr int32_t kNotPlottedEntry = ZENPHRA_NOT_PLOTTED_ENTRY;

struct PaletteArrays {
    std::array<uint8_t, kPaletteEntries> PalRed{};
    std::array<uint8_t, kPaletteEntries> PalGrn{};
    std::array<uint8_t, kPaletteEntries> PalBlu{};

    bool operator==(const PaletteArrays&) const = default;
};

struct ColorMap {
    std::array<PackedColor, 4> RangeColors2{65535, 16795, 16777215, 8158332};
    std::array<PackedColor, 8> RangeColors4{2105596, 96, 64764, 16536, 7142400, 1060864, 16531520, 6291456};
    std::array<PackedColor, 16> RangeColors8{16539820, 5242952, 11272444, 2097248, 2105596, 96,
                                             33020,    4256,    64764,    16536,   7142400, 1060864,
                                             16579584, 3158016, 16531520, 6291456};
    PackedColor MaxIterColor = 0;
    PackedColor BgColor = 0;

    bool operator==(const ColorMap&) const = default;
};

inline constexpr uint8_t RedOf(PackedColor color) { return static_cast<uint8_t>(color & 0xFF); }
inline constexpr uint8_t GreenOf(PackedColor color) { return static_cast<uint8_t>((color >> 8) & 0xFF); }
inline constexpr uint8_t BlueOf(PackedColor color) { return static_cast<uint8_t>((color >> 16) & 0xFF); }
inline constexpr PackedColor PackColor(uint8_t red, uint8_t green, uint8_t blue) {
    return red + 256 * green + 65536 * blue;
}

// The number of ranges a colormap is used with: 8 and 4 are themselves, any other count means 2.
inline constexpr int32_t UsedRanges(int32_t numRanges) {
    return numRanges == 8 || numRanges == 4 ? numRanges : 2;
}

// The start and end colours of every range of the set that `numRanges` uses, range by range.
inline std::span<PackedColor> RangeColorsFor(ColorMap& colors, int32_t numRanges) {
    if (numRanges == 8) return colors.RangeColors8;
    if (numRanges == 4) return colors.RangeColors4;
    return colors.RangeColors2;
}
inline std::span<const PackedColor> RangeColorsFor(const ColorMap& colors, int32_t numRanges) {
    return RangeColorsFor(const_cast<ColorMap&>(colors), numRanges);
}

inline PackedColor PaletteColor(const PaletteArrays& palette, int32_t entry) {
    return PackColor(palette.PalRed[entry], palette.PalGrn[entry], palette.PalBlu[entry]);
}
inline void SetPaletteColor(PaletteArrays& palette, int32_t entry, PackedColor color) {
    palette.PalRed[entry] = RedOf(color);
    palette.PalGrn[entry] = GreenOf(color);
    palette.PalBlu[entry] = BlueOf(color);
}

}  // namespace zenphra::app
