#include "app/colormaps/rgb_hls.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zenphra::app {
namespace {

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};

RgbHls FromRgb(Rgb rgb) {
    RgbHls hls;
    hls.PickerWidth = 200;
    hls.RgbToHls(rgb.red, rgb.green, rgb.blue);
    return hls;
}

Rgb BackToRgb(RgbHls hls) {
    hls.HlsToRgb();
    return {hls.HlsRed, hls.HlsGrn, hls.HlsBlu};
}

TEST(RgbHlsTest, HuesLightnessAndSaturation) {
    EXPECT_EQ(FromRgb({0, 0, 255}).Hue, 240.0f);
    EXPECT_EQ(FromRgb({0, 255, 0}).Hue, 120.0f);
    EXPECT_EQ(FromRgb({255, 255, 0}).Hue, 60.0f);  // red holds the maximum, so 420 wraps to 60
    EXPECT_EQ(FromRgb({255, 0, 128}).Hue, static_cast<float>(60.0 * -128 / 255 + 360));  // 329.88

    const RgbHls red = FromRgb({255, 0, 0});
    EXPECT_EQ(std::vector<float>({red.Hue, red.Sat, red.Lum, red.SatPos, red.LumPos}),
              std::vector<float>({0.0f, 1.0f, 0.5f, 200.0f, 100.0f}));
    const RgbHls grey = FromRgb({128, 128, 128});
    EXPECT_EQ(std::vector<float>({grey.Hue, grey.Sat, grey.Lum}),
              std::vector<float>({0.0f, 0.0f, static_cast<float>(128.0 / 255)}));
    const RgbHls blueish = FromRgb({100, 150, 200});
    EXPECT_EQ(blueish.Hue, 210.0f);
    EXPECT_EQ(blueish.HuePos, static_cast<float>(210.0 / 360 * 200));
    EXPECT_NEAR(blueish.Lum, 0.5882353f, 1e-7f);
    EXPECT_NEAR(blueish.Sat, 0.4761905f, 1e-7f);
}

TEST(RgbHlsTest, ColoursSurviveTheRoundTrip) {
    for (const Rgb rgb :
         {Rgb{255, 0, 0}, Rgb{128, 128, 128}, Rgb{100, 150, 200}, Rgb{1, 2, 3}, Rgb{250, 5, 249}}) {
        EXPECT_EQ(BackToRgb(FromRgb(rgb)), rgb) << rgb.red << ' ' << rgb.green << ' ' << rgb.blue;
    }
}

TEST(RgbHlsTest, OutOfRangeSaturationAndLightnessAreClampedWhereStored) {
    RgbHls hls;
    hls.Hue = 90.0f;
    hls.Sat = 1.5f;
    hls.Lum = -0.2f;
    EXPECT_EQ(BackToRgb(hls), (Rgb{0, 0, 0}));
    hls.HlsToRgb();
    EXPECT_EQ(hls.Sat, 1.0f);
    EXPECT_EQ(hls.Lum, 0.0f);
}

TEST(RgbHlsTest, HuesWrapAroundTheCircle) {
    // With m1 = 0 and m2 = 1 the hue alone sets the value: 30 and 210 degrees give 127.5, a byte of 128.
    EXPECT_EQ(HlsValue(0.0f, 1.0f, 30.0f), 128);
    EXPECT_EQ(HlsValue(0.0f, 1.0f, 210.0f), 128);
    EXPECT_EQ(HlsValue(0.0f, 1.0f, 390.0f), 128);
    EXPECT_EQ(HlsValue(0.0f, 1.0f, -330.0f), 128);
    // A hue on no circle at all ends at the low bound instead of looping for ever.
    EXPECT_EQ(HlsValue(0.2f, 0.8f, std::numeric_limits<float>::infinity()), 51);
}

}  // namespace
}  // namespace zenphra::app
