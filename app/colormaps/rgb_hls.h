// Converting a colour between red, green, blue and hue, lightness, saturation for the colormap editor's
// pickers, and between those values and the positions of the pickers' triangles. The values are held in
// single precision; every expression is worked out in double and rounded to single once it is stored.
// A value becomes a colour byte rounded to the nearest whole number, halves to the even one.
#pragma once

#include <cstdint>

namespace zenphra::app {

struct RgbHls {
    float Hue = 0.0f;     // degrees, 0 to below 360 after RgbToHls
    float Lum = 0.0f;     // 0 to 1
    float Sat = 0.0f;     // 0 to 1
    float HuePos = 0.0f;  // where the triangles stand on their strips: the value's share of PickerWidth
    float SatPos = 0.0f;
    float LumPos = 0.0f;
    int32_t PickerWidth = 0;  // the width of the hue strip, set by the editor when it opens
    uint8_t HlsRed = 0;       // the colour HlsToRgb produced
    uint8_t HlsGrn = 0;
    uint8_t HlsBlu = 0;

    // Sets Hue, Lum, Sat and the three positions from a colour of components 0 to 255.
    void RgbToHls(int16_t red, int16_t green, int16_t blue);

    // Clamps Sat and Lum into 0 to 1 where they are stored, then sets HlsRed, HlsGrn, HlsBlu.
    void HlsToRgb();
};

// One colour byte of HlsToRgb from its two lightness bounds and the hue of that component.
uint8_t HlsValue(float m1, float m2, float hue);

}  // namespace zenphra::app
