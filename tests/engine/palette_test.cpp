// The palette: ranges filled by interpolation, rotated by whole ranges, and the bitmap re-coloured after
// every change.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "tests/engine/plot_session.h"
#include "zenphra.h"

namespace zenphra::test {
namespace {

std::vector<int> Entries(const uint8_t* channel, int first, int count) {
    return std::vector<int>(channel + first, channel + first + count);
}

TEST(ColorRange, InterpolatesFromTheEndBackToTheStart) {
    TestPalette palette;
    SetColorRange(0, 29, 0, 255);  // black to pure red
    EXPECT_EQ(Entries(palette.red, 0, 29),
              (std::vector<int>{0,   9,   18,  27,  36,  46,  55,  64,  73,  82,  91,  100, 109, 118, 127,
                                137, 146, 155, 164, 173, 182, 191, 200, 209, 219, 228, 237, 246, 255}));
    EXPECT_EQ(Entries(palette.green, 0, 29), std::vector<int>(29, 0));
    EXPECT_EQ(Entries(palette.blue, 0, 29), std::vector<int>(29, 0));
}

TEST(ColorRange, CarriesTheAccumulatorsRounding) {
    TestPalette palette;
    SetColorRange(29, 29, 5,
                  0);  // entry 14 of the range is 2, not 3: the accumulator holds 2.4999999999999996
    EXPECT_EQ(Entries(palette.red, 29, 29), (std::vector<int>{5, 5, 5, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3, 2,
                                                              2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 0, 0, 0}));
}

TEST(ColorRange, PacksRedGreenBlueLowByteFirst) {
    TestPalette palette;
    SetColorRange(0, 2, 0x00332211, 0x00665544);
    EXPECT_EQ(Entries(palette.red, 0, 2), (std::vector<int>{0x11, 0x44}));
    EXPECT_EQ(Entries(palette.green, 0, 2), (std::vector<int>{0x22, 0x55}));
    EXPECT_EQ(Entries(palette.blue, 0, 2), (std::vector<int>{0x33, 0x66}));
    SetColorRange(116, 116, 0x123456, 0x123456);
    EXPECT_EQ(Entries(palette.red, 116, 116), std::vector<int>(116, 0x56));
}

TEST(ColorRange, RefusesRangesOutsideTheColourEntries) {
    TestPalette palette;
    const std::vector<uint8_t> redBefore(palette.red, palette.red + 257);
    const std::vector<uint8_t> blueBefore(palette.blue, palette.blue + 257);
    SetColorRange(220, 29, 0, 0xFFFFFF);  // would run past entry 231
    SetColorRange(-1, 29, 0, 0xFFFFFF);
    SetColorRange(0, 1, 0, 0xFFFFFF);  // a single entry has no step
    SetColorRange(0, 0, 0, 0xFFFFFF);
    SetColorRange(0, -5, 0, 0xFFFFFF);
    EXPECT_TRUE(std::equal(palette.red, palette.red + 257, redBefore.begin()));
    EXPECT_TRUE(std::equal(palette.blue, palette.blue + 257, blueBefore.begin()));
    SetColorRange(203, 29, 0, 0xFFFFFF);  // the last range is fine
    EXPECT_EQ(palette.red[231], 255);
}

TEST(Rotation, MovesWholeRangesAndLeavesTheFixedEntries) {
    TestPalette palette;  // entry i holds red i
    RotateColorRanges(0, 29);
    EXPECT_EQ(palette.red[0], 29);
    EXPECT_EQ(palette.red[203], 0);
    EXPECT_EQ(palette.red[231], 28);
    for (int entry = 232; entry < 257; ++entry) EXPECT_EQ(palette.red[entry], entry % 256);
    RotateColorRanges(1, 29);  // and back
    for (int entry = 0; entry < 232; ++entry) ASSERT_EQ(palette.red[entry], entry);
    RotateColorRanges(1, 29);
    EXPECT_EQ(palette.red[0], 203);
    EXPECT_EQ(palette.red[29], 0);
}

TEST(Rotation, ARoundOfRotationsRestoresThePalette) {
    for (int count : {29, 58, 116}) {
        TestPalette palette;
        for (int direction : {0, 1}) {
            for (int step = 0; step < 232 / count; ++step) RotateColorRanges(direction, count);
            for (int entry = 0; entry < 257; ++entry) ASSERT_EQ(palette.green[entry], 255 - entry % 256);
        }
    }
}

TEST(Rotation, TwoRangesSwapHalvesAndOtherCountsDoNothing) {
    TestPalette palette;
    RotateColorRanges(1, 116);
    EXPECT_EQ(palette.red[0], 116);
    EXPECT_EQ(palette.red[116], 0);
    RotateColorRanges(0, 30);
    RotateColorRanges(0, 0);
    EXPECT_EQ(palette.red[0], 116);
    EXPECT_EQ(palette.red[1], 117);
}

TEST(Rotation, RecoloursAPresentImage) {
    TestPalette palette;
    PlotRequest request;
    request.width = 8;
    request.height = 8;
    const int32_t handle = Init(request);
    IndexBuffer()[0] = 0;
    RotateColorRanges(0, 29);  // entry 0 now holds the old entry 29
    int32_t width, height, stride;
    uint8_t* bits;
    ASSERT_EQ(GetBitmapInfo(handle, &width, &height, &stride, &bits), 1);
    EXPECT_EQ(bits[2], 29);  // the red byte of pixel (0, 0)
}

}  // namespace
}  // namespace zenphra::test
