// The Julia preview: a fixed view of the Julia set of a point, in the built-in palette.
#include <gtest/gtest.h>

#include <array>

#include "engine/library_state.h"
#include "tests/engine/plot_session.h"
#include "zenphra.h"

namespace zenphra::test {
namespace {

using Rgb = std::array<int, 3>;
constexpr Rgb kFirstEscape{192, 72, 232};  // entry 7
constexpr Rgb kFourthEscape{252, 159, 0};  // entry 94
constexpr Rgb kBlack{0, 0, 0};

class JuliaPreview : public testing::Test {
  protected:
    void SetUp() override {
        DllCleanup();
        Library().plot = PlotParams{};  // as loaded: no plot has set a bail-out value
    }
    Rgb PixelOf(int32_t handle, int32_t column, int32_t row) {
        int32_t width, height, stride;
        uint8_t* bits;
        EXPECT_EQ(GetBitmapInfo(handle, &width, &height, &stride, &bits), 1);
        EXPECT_EQ(width, 120);
        EXPECT_EQ(height, 90);
        const uint8_t* pixel = bits + row * stride + 3 * column;
        return {pixel[2], pixel[1], pixel[0]};
    }
    int32_t Preview(int32_t equation, double re, double im) { return PlotJulia(equation, &re, &im); }
    void SetLimit(double limit) {
        PlotRequest request;
        request.limitValue = limit;
        Init(request, 0);
    }
};

TEST_F(JuliaPreview, ClassicAtZeroIsBlackInsideTheUnitCircle) {
    SetLimit(4.0);
    const int32_t handle = Preview(0, 0.0, 0.0);
    EXPECT_EQ(PixelOf(handle, 0, 0), kFirstEscape);  // z = (-2, 1.5) escapes at the first step
    EXPECT_EQ(PixelOf(handle, 60, 45), kBlack);      // z = (0, 0)
    EXPECT_EQ(PixelOf(handle, 75, 60), kBlack);      // z = (0.5, -0.5)
    EXPECT_NE(PixelOf(handle, 95, 45), kBlack);      // z = (1.1667, 0)
}

TEST_F(JuliaPreview, BeforeAnyPlotTheBailOutIsGenerous) {
    const int32_t handle = Preview(0, 0.0, 0.0);
    EXPECT_EQ(Library().plot.limitValue, 1e10);
    // |z|^2 grows 6.25, 39, 1526, 2.3e6, 5.4e12: past 1e10 at the fourth step.
    EXPECT_EQ(PixelOf(handle, 0, 0), kFourthEscape);
    SetLimit(4.0);
    EXPECT_EQ(PixelOf(Preview(0, 0.0, 0.0), 0, 0), kFirstEscape);
}

TEST_F(JuliaPreview, AnUnknownEquationLeavesZUnchanged) {
    SetLimit(4.0);
    const int32_t handle = Preview(5, 0.3, 0.3);
    EXPECT_EQ(PixelOf(handle, 0, 0), kFirstEscape);  // |(-2, 1.5)|^2 = 6.25
    EXPECT_EQ(PixelOf(handle, 60, 45), kBlack);
    EXPECT_EQ(PixelOf(handle, 119, 89), kFirstEscape);  // about (1.97, -1.47): 6.02
}

TEST_F(JuliaPreview, LambdaStartsFurtherRight) {
    SetLimit(5.0);
    // Column 15 of Lambda's view is z = -1: it goes to -2 (|z|^2 = 4) and then -6, escaping at the
    // second step. From -2.0 the column would be z = -1.5, escaping at once.
    const int32_t handle = Preview(24, 1.0, 0.0);
    EXPECT_EQ(PixelOf(handle, 15, 45), (Rgb{252, 8, 137}));
}

TEST_F(JuliaPreview, ReusesOneBitmap) {
    const int32_t first = Preview(0, -0.75, 0.1);
    EXPECT_GT(first, 0);
    EXPECT_EQ(Preview(1, 0.2, 0.0), first);
    EXPECT_EQ(Preview(29, 0.2, 0.0), first);
}

}  // namespace
}  // namespace zenphra::test
