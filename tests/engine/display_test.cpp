// How an image is shown: the size of the display bitmap, the sampling of the index buffer into it, and
// where each pixel lies in the plane.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/library_state.h"
#include "engine/plane_mapping.h"
#include "tests/engine/plot_session.h"
#include "zenphra.h"

namespace zenphra::test {
namespace {

struct BitmapShape {
    int32_t width, height, stride;
};

BitmapShape ShapeOf(int32_t handle) {
    BitmapShape shape{};
    uint8_t* bits = nullptr;
    EXPECT_EQ(GetBitmapInfo(handle, &shape.width, &shape.height, &shape.stride, &bits), 1);
    return shape;
}

struct GeometryCase {
    int32_t width, height;
    int32_t shownWidth, shownHeight, stride;
};

std::string SizeName(const testing::TestParamInfo<GeometryCase>& info) {
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
}

class DisplayBitmapSize : public testing::TestWithParam<GeometryCase> {};

TEST_P(DisplayBitmapSize, FollowsTheHalvingAndStrideRule) {
    const GeometryCase c = GetParam();
    PlotRequest request;
    request.width = c.width;
    request.height = c.height;
    const int32_t handle = Init(request);
    ASSERT_GT(handle, 0);
    const BitmapShape shape = ShapeOf(handle);
    EXPECT_EQ(shape.width, c.shownWidth);
    EXPECT_EQ(shape.height, c.shownHeight);
    EXPECT_EQ(shape.stride, c.stride);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DisplayBitmapSize,
    testing::Values(GeometryCase{512, 384, 512, 384, 1536}, GeometryCase{513, 384, 256, 192, 768},
                    GeometryCase{640, 480, 320, 240, 960}, GeometryCase{1000, 750, 500, 375, 1500},
                    GeometryCase{1024, 768, 512, 384, 1536}, GeometryCase{1600, 1200, 400, 300, 1200},
                    GeometryCase{2051, 1538, 512, 384, 1536}, GeometryCase{513, 100, 256, 50, 768},
                    // The stride must divide by the step: 500 and 499 columns do not at step 8.
                    GeometryCase{4000, 3000, 498, 375, 1496}, GeometryCase{4080, 300, 509, 37, 1528},
                    GeometryCase{4096, 4096, 256, 256, 768},
                    // No width from 2 down to 1 gives a stride divisible by 16: the width stays 2.
                    GeometryCase{32, 4096, 2, 256, 8},
                    // A single row is still shown as one row.
                    GeometryCase{4096, 1, 512, 1, 1536}, GeometryCase{1, 1, 1, 1, 4}),
    SizeName);

class Recolouring : public testing::TestWithParam<GeometryCase> {};

// Every displayed pixel shows the palette colour of buffer pixel (i d, j d).
TEST_P(Recolouring, SamplesEveryDthPixel) {
    const GeometryCase c = GetParam();
    TestPalette palette;
    PlotRequest request;
    request.width = c.width;
    request.height = c.height;
    const int32_t handle = Init(request);
    std::span<uint8_t> pixels = IndexBuffer();
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<uint8_t>((i * 7 + i / c.width * 13) % 251);
    EXPECT_EQ(SetFractalColors(), handle);

    int32_t width, height, stride;
    uint8_t* bits;
    ASSERT_EQ(GetBitmapInfo(handle, &width, &height, &stride, &bits), 1);
    const int32_t step = Library().image.geometry.step;
    ASSERT_EQ(step, c.width / c.shownWidth);
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column) {
            const uint8_t index = pixels[size_t(row) * step * c.width + size_t(column) * step];
            const uint8_t* shown = bits + row * stride + 3 * column;
            ASSERT_EQ(shown[0], palette.blue[index]) << row << "," << column;
            ASSERT_EQ(shown[1], palette.green[index]);
            ASSERT_EQ(shown[2], palette.red[index]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, Recolouring,
                         testing::Values(GeometryCase{512, 384, 512, 384, 1536},
                                         GeometryCase{1000, 750, 500, 375, 1500},
                                         GeometryCase{4000, 3000, 498, 375, 1496}),
                         SizeName);

TEST(Recolouring, NeedsAnImage) {
    TestPalette palette;
    EXPECT_EQ(SetFractalColors(), 0);
    SetColorRange(0, 29, 0, 255);  // only the palette changes
    EXPECT_EQ(palette.red[28], 255);
    EXPECT_EQ(SetFractalColors(), 0);
}

TEST(PlaneMapping, AngleZeroIsThePlainRaster) {
    const PlaneMapping m = ComputePlaneMapping(160, 120, -0.5, 0.0, 1.0, 0.0);
    EXPECT_NEAR(m.x0, -2.3, 1e-12);
    EXPECT_NEAR(m.y0, 1.35, 1e-12);
    EXPECT_DOUBLE_EQ(m.colStepX, 3.6 / 160);
    EXPECT_EQ(m.colStepY, 0.0);
    EXPECT_EQ(m.rowStepX, 0.0);
    EXPECT_DOUBLE_EQ(m.rowStepY, -3.6 / 160);
}

TEST(PlaneMapping, NinetyDegreesTurnsTheSteps) {
    const double s = 3.6 / 2.0 / 200;
    const PlaneMapping m = ComputePlaneMapping(200, 100, 1.0, 2.0, 2.0, 90.0);
    EXPECT_NEAR(m.colStepX, 0.0, 1e-15);
    EXPECT_NEAR(m.colStepY, s, 1e-15);
    EXPECT_NEAR(m.rowStepX, s, 1e-15);
    EXPECT_NEAR(m.rowStepY, 0.0, 1e-15);
    // The centre stays the centre: pixel (100, 50) lies on it.
    EXPECT_NEAR(PlaneX(RowStartX(m, 50), m.colStepX, 100), 1.0, 1e-12);
    EXPECT_NEAR(PlaneY(RowStartY(m, 50), m.colStepY, 100), 2.0, 1e-12);
}

}  // namespace
}  // namespace zenphra::test
