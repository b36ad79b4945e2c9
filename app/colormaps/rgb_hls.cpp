#include "app/colormaps/rgb_hls.h"

#include <algorithm>
#include <cmath>

namespace zenphra::app {
namespace {

uint8_t ToByte(double value) {
    if (!(value > 0.0)) return 0;  // also a value that is not a number
    return static_cast<uint8_t>(std::nearbyint(std::min(value, 255.0)));
}

float Clamped(float value) { return value < 0.0f ? 0.0f : value > 1.0f ? 1.0f : value; }

}  // namespace

void RgbHls::RgbToHls(int16_t red, int16_t green, int16_t blue) {
    const int32_t maxC = std::max({red, green, blue});
    const int32_t minC = std::min({red, green, blue});
    if (maxC == minC) {
        Lum = static_cast<float>(minC / 255.0);
        Sat = 0.0f;
        Hue = 0.0f;
    } else {
        const int32_t spread = maxC - minC;
        Lum = static_cast<float>((maxC + minC) / 510.0);
        Sat = static_cast<float>(Lum <= 0.5f ? static_cast<double>(spread) / (maxC + minC)
                                             : static_cast<double>(spread) / (510 - maxC - minC));
        // Equal maxima count as red before green before blue.
        float h;
        if (red >= green && red >= blue) {
            h = static_cast<float>(60 * (green - blue) / static_cast<double>(spread) + 360);
        } else if (green >= blue) {
            h = static_cast<float>(60 * (blue - red) / static_cast<double>(spread) + 120);
        } else {
            h = static_cast<float>(60 * (red - green) / static_cast<double>(spread) + 240);
        }
        if (h >= 360.0f) {
            Hue = static_cast<float>(static_cast<double>(h) - 360);
        } else if (h < 0.0f) {
            Hue = static_cast<float>(static_cast<double>(h) + 360);
        } else {
            Hue = h;
        }
    }
    HuePos = static_cast<float>(static_cast<double>(Hue) / 360 * PickerWidth);
    SatPos = static_cast<float>(static_cast<double>(Sat) * PickerWidth);
    LumPos = static_cast<float>(static_cast<double>(Lum) * PickerWidth);
}

void RgbHls::HlsToRgb() {
    Sat = Clamped(Sat);
    Lum = Clamped(Lum);
    if (Sat == 0.0f) {
        HlsRed = HlsGrn = HlsBlu = ToByte(static_cast<double>(Lum) * 255);
        return;
    }
    const double lum = Lum;
    const float m2 = static_cast<float>(Lum <= 0.5f ? lum * Sat + lum : lum + Sat - lum * Sat);
    const float m1 = static_cast<float>(2 * lum - m2);
    HlsRed = HlsValue(m1, m2, static_cast<float>(static_cast<double>(Hue) + 120));
    HlsGrn = HlsValue(m1, m2, Hue);
    HlsBlu = HlsValue(m1, m2, static_cast<float>(static_cast<double>(Hue) - 120));
}

uint8_t HlsValue(float m1, float m2, float hue) {
    // Hues far off the circle are brought near it at once, so the loops below always end.
    if (!(std::fabs(hue) < 720.0f)) hue = static_cast<float>(std::fmod(static_cast<double>(hue), 360.0));
    while (hue >= 360.0f) hue = static_cast<float>(static_cast<double>(hue) - 360);
    while (hue < 0.0f) hue = static_cast<float>(static_cast<double>(hue) + 360);
    const double low = m1;
    const double high = m2;
    float v;
    if (hue < 60.0f) {
        v = static_cast<float>(low + (high - low) * hue / 60);
    } else if (hue < 180.0f) {
        v = m2;
    } else if (hue < 240.0f) {
        v = static_cast<float>(low + (high - low) * (240 - static_cast<double>(hue)) / 60);
    } else {
        v = m1;
    }
    return ToByte(static_cast<double>(Clamped(v)) * 255);
}

}  // namespace zenphra::app
