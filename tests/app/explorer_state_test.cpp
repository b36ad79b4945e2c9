#include <QSize>
#include <array>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/list_tables.h"
#include "app/common/param_snapshot.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

// The picture the window sizes for an image is exactly the display bitmap the library makes for it.
TEST_F(EngineTest, ThePictureIsTheLibrarysDisplayBitmap) {
    struct Case {
        int32_t horRes, vertRes, factor, width, height;
    };
    const std::array<Case, 7> cases{{
        {160, 120, 1, 160, 120},
        {1000, 750, 2, 500, 375},
        {1600, 1200, 4, 400, 300},
        {2000, 1500, 4, 500, 375},
        {1366, 768, 4, 341, 192},   // 341.5 columns: a bitmap row of 341 pixels is a whole number of steps
        {2051, 1000, 4, 512, 250},  // 512.75 columns: the last, partial one is not shown
        {4096, 32, 8, 512, 4},
    }};
    for (const Case& c : cases) {
        const DisplayFactor shown = ComputeDisplayFactor(c.horRes, c.vertRes);
        EXPECT_EQ(shown.ImageFactor, c.factor) << c.horRes << "x" << c.vertRes;
        EXPECT_EQ(shown.PicWidth, c.width) << c.horRes << "x" << c.vertRes;
        EXPECT_EQ(shown.PicHeight, c.height) << c.horRes << "x" << c.vertRes;

        FractalParams params;
        params.HorRes = c.horRes;
        params.VertRes = c.vertRes;
        const int32_t bitmap = InitPlotWith(params, 0, shown.ImageFactor);
        int32_t width = 0, height = 0, stride = 0;
        uint8_t* bits = nullptr;
        ASSERT_EQ(Engine().GetBitmapInfo(bitmap, &width, &height, &stride, &bits), 1);
        EXPECT_EQ(QSize(width, height), QSize(shown.PicWidth, shown.PicHeight))
            << c.horRes << "x" << c.vertRes;
    }
    Engine().DllCleanup();
}

PaletteArrays RampPalette(int32_t offset) {
    PaletteArrays palette;
    for (int32_t entry = 0; entry < kPaletteEntries; ++entry) {
        palette.PalRed[entry] = static_cast<uint8_t>(entry + offset);
        palette.PalGrn[entry] = static_cast<uint8_t>(entry * 3 + offset);
        palette.PalBlu[entry] = static_cast<uint8_t>(255 - entry - offset);
    }
    return palette;
}

TEST(ParamSnapshotTest, RestoreBringsBackParametersAndColoursButNotBanding) {
    const FractalParams taken = SampleParams();
    const PaletteArrays takenPalette = RampPalette(0);
    SnapshotPair snapshots;
    snapshots.SaveShown(taken, takenPalette);

    FractalParams current;
    current.Banding = 0;
    PaletteArrays palette = RampPalette(7);
    palette.PalRed[kNotPlottedEntry] = 99;
    snapshots.RestoreShown(current, palette);

    FractalParams expected = taken;
    expected.Banding = 0;
    EXPECT_EQ(current, expected);
    EXPECT_EQ(PaletteColor(palette, 0), PaletteColor(takenPalette, 0));
    EXPECT_EQ(PaletteColor(palette, kBackgroundEntry), PaletteColor(takenPalette, kBackgroundEntry));
    EXPECT_EQ(palette.PalRed[kNotPlottedEntry], 99);  // the not-plotted colour is the window's
}

TEST(ParamSnapshotTest, SwapExchangesTheSnapshotsAndTwiceRestoresThem) {
    SnapshotPair snapshots;
    snapshots.SavePrevious(FractalParams{}, RampPalette(1));
    snapshots.SaveShown(SampleParams(), RampPalette(2));
    const SnapshotPair before = snapshots;

    snapshots.Swap();
    EXPECT_EQ(snapshots.Shown, before.Previous);
    EXPECT_EQ(snapshots.Previous, before.Shown);
    snapshots.Swap();
    EXPECT_EQ(snapshots.Shown, before.Shown);
    EXPECT_EQ(snapshots.Previous, before.Previous);
}

TEST(ListTablesTest, SupportedEquationsAreTheSixCodesInSetOrJuliaMode) {
    for (int32_t code : {0, 1, 7, 24, 28, 29, 100, 107, 129}) EXPECT_TRUE(IsSupportedEquation(code)) << code;
    for (int32_t code : {2, 30, 102, 207, 229, -100, -93}) EXPECT_FALSE(IsSupportedEquation(code)) << code;
    for (int32_t code : {0, 1, 4, 8, 9, 11, 12, 14, 18}) EXPECT_TRUE(IsSupportedRendering(code)) << code;
    for (int32_t code : {2, 3, 13, 100, 114}) EXPECT_FALSE(IsSupportedRendering(code)) << code;
}

TEST(ListTablesTest, LookupsByPositionAndCodeAgree) {
    ASSERT_EQ(EquationCaptions().size(), kEquationCount);
    ASSERT_EQ(RenderingCaptions().size(), kRenderingCount);
    for (int32_t position = 0; position < kEquationCount; ++position) {
        EXPECT_EQ(EquationPosition(EqnCode(position)), position) << position;
        EXPECT_EQ(EquationPosition(EqnCode(position) + 100), -1) << "lists hold set-mode codes only";
    }
    for (int32_t position = 0; position < kRenderingCount; ++position) {
        EXPECT_EQ(RenderingPosition(RendCode(position)), position) << position;
    }
    EXPECT_EQ(EquationCaptions()[EquationPosition(24)], "Lambda");
    EXPECT_EQ(RenderingCaptions()[RenderingPosition(14)], "Level Set");
    for (int32_t outside : {-1, kEquationCount}) EXPECT_EQ(EqnCode(outside), -1);
    EXPECT_EQ(RendCode(kRenderingCount), -1);
    EXPECT_EQ(RenderingPosition(2), -1);
    EXPECT_EQ(EqnDesc(7), "Z = Z^2 - Cimag\r\nZreal = Abs(Zreal) - Creal");
    EXPECT_EQ(EqnDesc(2), "");
    EXPECT_TRUE(UsesP2(9));
    EXPECT_FALSE(UsesFunc1(9));
    EXPECT_TRUE(UsesFunc2(12));
    EXPECT_FALSE(UsesP2(13)) << "an unknown rendering uses no fields";
    EXPECT_EQ(FunctionCaptions().size(), kFunctionCount);
    EXPECT_EQ(FunctionCaptions()[kFunctionCount - 1], "conj");
}

TEST(ApplyColormapTest, FillsTheRangesOfTheSetInUseAndLeavesTheSpecialEntries) {
    ASSERT_TRUE(BindEngineBesideTest());
    static PaletteArrays palette;  // the library keeps its address
    Engine().SetColorPointers(palette.PalRed.data(), palette.PalGrn.data(), palette.PalBlu.data());
    SetPaletteColor(palette, kMaxIterEntry, 0x123456);
    const ColorMap colors;

    ApplyColormap(colors, 4);
    for (int32_t range = 0; range < 4; ++range) {
        EXPECT_EQ(PaletteColor(palette, range * 58), colors.RangeColors4[2 * range]);
        EXPECT_EQ(PaletteColor(palette, range * 58 + 57), colors.RangeColors4[2 * range + 1]);
    }
    EXPECT_EQ(PaletteColor(palette, kMaxIterEntry), 0x123456);

    ApplyColormap(colors, 3);  // an unknown count uses the two-range set
    EXPECT_EQ(PaletteColor(palette, 0), colors.RangeColors2[0]);
    EXPECT_EQ(PaletteColor(palette, 115), colors.RangeColors2[1]);
    EXPECT_EQ(PaletteColor(palette, 116), colors.RangeColors2[2]);
    EXPECT_EQ(PaletteColor(palette, 231), colors.RangeColors2[3]);
}

}  // namespace
}  // namespace zenphra::app
