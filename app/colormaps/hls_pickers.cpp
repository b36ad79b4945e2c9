#include "app/colormaps/hls_pickers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zenphra::app {
namespace {

constexpr int32_t kGrabDistance = 5;
constexpr int32_t kTriangleCentre = 5;  // from the triangle's position

float RgbHls::*PositionField(HlsStrip strip) {
    switch (strip) {
        case HlsStrip::kHue:
            return &RgbHls::HuePos;
        case HlsStrip::kSat:
            return &RgbHls::SatPos;
        default:
            return &RgbHls::LumPos;
    }
}

PackedColor ColorOf(RgbHls hls) {
    hls.HlsToRgb();
    return PackColor(hls.HlsRed, hls.HlsGrn, hls.HlsBlu);
}

}  // namespace

HlsPickers::HlsPickers(int32_t width) { hls_.PickerWidth = width; }

void HlsPickers::Show(PackedColor color) { hls_.RgbToHls(RedOf(color), GreenOf(color), BlueOf(color)); }

float HlsPickers::Position(HlsStrip strip) const { return hls_.*PositionField(strip); }

bool HlsPickers::Grabs(HlsStrip strip, int32_t x) const {
    return std::fabs(static_cast<double>(x) - (Position(strip) + kTriangleCentre)) <= kGrabDistance;
}

float HlsPickers::MoveTo(HlsStrip strip, int32_t x) {
    return hls_.*PositionField(strip) = static_cast<float>(std::clamp(x, 0, LastPosition()));
}

// The triangle's position as a share of the strip's width.
float HlsPickers::Share(HlsStrip strip) const {
    return static_cast<float>(static_cast<double>(Position(strip)) / hls_.PickerWidth);
}

PackedColor HlsPickers::Release(HlsStrip strip) {
    switch (strip) {
        case HlsStrip::kHue:
            hls_.Hue = static_cast<float>(static_cast<double>(hls_.HuePos) * 360 / hls_.PickerWidth);
            [[fallthrough]];
        case HlsStrip::kSat:
            hls_.Sat = Share(HlsStrip::kSat);
            [[fallthrough]];
        case HlsStrip::kLum:
            hls_.Lum = Share(HlsStrip::kLum);
    }
    hls_.HlsToRgb();
    return PackColor(hls_.HlsRed, hls_.HlsGrn, hls_.HlsBlu);
}

int32_t HlsPickers::Label(HlsStrip strip) const {
    const double top = strip == HlsStrip::kHue ? 359 : 255;
    return static_cast<int32_t>(
        std::nearbyint(static_cast<double>(Position(strip)) / (hls_.PickerWidth + 1) * top));
}

std::vector<PackedColor> HlsPickers::StripColors(HlsStrip strip) const {
    const int32_t width = hls_.PickerWidth;
    std::vector<PackedColor> columns;
    columns.reserve(std::max(width, 0));
    RgbHls column = hls_;
    for (int32_t x = 0; x < width; ++x) {
        switch (strip) {
            case HlsStrip::kHue:
                column.Hue = static_cast<float>(x * 360.0 / width);
                column.Sat = 1.0f;
                column.Lum = 0.5f;
                break;
            case HlsStrip::kSat:
                column.Sat = static_cast<float>(static_cast<double>(x) / width);
                column.Lum = 0.5f;
                break;
            case HlsStrip::kLum:
                column.Lum = static_cast<float>(static_cast<double>(x) / width);
                break;
        }
        columns.push_back(ColorOf(column));
    }
    return columns;
}

}  // namespace zenphra::app
