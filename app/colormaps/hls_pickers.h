// The colormap editor's three HLS pickers apart from their widgets: a hue, a saturation and a lightness
// strip, each with a triangle under it that the user drags. A triangle stands at a position from 0 to
// one past the strip's width; releasing it turns the positions back into hue, saturation and lightness
// and those into a colour.
#pragma once

#include <cstdint>
#include <vector>

#include "app/common/color_map.h"
#include "app/colormaps/rgb_hls.h"

namespace zenphra::app {

enum class HlsStrip { kHue, kSat, kLum };

class HlsPickers {
  public:
    // The strips are `width` columns wide.
    explicit HlsPickers(int32_t width);

    int32_t Width() const { return hls_.PickerWidth; }
    // The furthest right a triangle can go.
    int32_t LastPosition() const { return hls_.PickerWidth + 1; }

    // Puts the triangles at the colour's hue, saturation and lightness.
    void Show(PackedColor color);

    float Position(HlsStrip strip) const;
    // True when a press at `x` catches the strip's triangle: within 5 of its centre.
    bool Grabs(HlsStrip strip, int32_t x) const;
    // Moves the triangle to `x`, kept within 0 and LastPosition(); returns where it stands.
    float MoveTo(HlsStrip strip, int32_t x);
    // The colour the triangles give once this one is let go. Hue is read from its triangle, and the
    // strips right of the released one are read again too (they may have been drawn for another hue).
    PackedColor Release(HlsStrip strip);

    // The number shown beside the strip: the triangle's share of the strip, as 0 to 359 degrees of hue or
    // 0 to 255 of saturation and lightness.
    int32_t Label(HlsStrip strip) const;

    // The colour of every column of the strip: the hue strip runs through all hues at full saturation and
    // half lightness; the saturation strip through the current hue at half lightness; the lightness strip
    // through the current hue and saturation.
    std::vector<PackedColor> StripColors(HlsStrip strip) const;

  private:
    float Share(HlsStrip strip) const;

    RgbHls hls_;
};

}  // namespace zenphra::app
