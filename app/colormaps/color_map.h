// Colours: the program's palette arrays, which the plotting library reads and writes, and the colormap
// that fills them: the end colours of every range for two, four and eight ranges, the maximum-iteration
// colour and the background colour. A colour outside the palette is packed as 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>

namespace zenphra::app {

using PackedColor = int32_t;

inline constexpr int32_t kPaletteEntries = 257;  // the library uses 0 to 255
inline constexpr int32_t kMaxIterEntry = 232;
inline constexpr int32_t kBackgroundEntry = 233;
inline constexpr int32_t kNotPlottedEntry = 234;

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

}  // namespace zenphra::app
