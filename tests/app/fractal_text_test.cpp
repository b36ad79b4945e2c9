#include "app/imagefiles/fractal_text.h"

#include <QList>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class FractalTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(BindEngineBesideTest());
        Engine().SetColorPointers(palette_.PalRed.data(), palette_.PalGrn.data(), palette_.PalBlu.data());
    }

    // Colours every range set differently from the defaults and writes the set in use into the palette.
    void PaintPalette(ColorMap& colors, int32_t numRanges) {
        int32_t seed = 1;
        for (PackedColor& color : colors.RangeColors2) color = 0x010203 * seed++;
        for (PackedColor& color : colors.RangeColors4) color = 0x030507 * seed++;
        for (PackedColor& color : colors.RangeColors8) color = 0x070B0D * seed++;
        colors.MaxIterColor = 0x00FF80;
        colors.BgColor = 0x8000FF;
        ApplyColormap(colors, numRanges);
        SetPaletteColor(palette_, kMaxIterEntry, colors.MaxIterColor);
        SetPaletteColor(palette_, kBackgroundEntry, colors.BgColor);
    }

    static inline PaletteArrays palette_;  // the library keeps its address
};

// The sample parameters as a fractal text carries them: without the custom resolution texts.
FractalParams JuliaParams(int32_t numRanges) {
    FractalParams params = SampleParams();
    params.NumRanges = numRanges;
    params.CustomHres.clear();
    params.CustomVres.clear();
    return params;
}

// The text's lines, line 1 first.
QList<QByteArray> LinesOf(const QByteArray& text) { return text.split('\n'); }

QByteArray WithLine(const QByteArray& text, int32_t line, const QByteArray& value) {
    QList<QByteArray> lines = LinesOf(text);
    lines[line - 1] = value;
    return lines.join('\n');
}

TEST_F(FractalTextTest, RoundTripKeepsParametersAndColoursForEveryRangeCount) {
    for (int32_t numRanges : {2, 4, 8}) {
        for (bool julia : {false, true}) {
            FractalParams params = JuliaParams(numRanges);
            if (!julia) {
                params.EqnType = 7;
                params.JuliaReal = params.JuliaImag = 0.0;
            }
            ColorMap colors;
            PaintPalette(colors, numRanges);

            const ParsedFractalText parsed = ParseFractalText(BuildFractalText(params, 321, palette_));
            ASSERT_EQ(parsed.status, FractalTextStatus::kOk) << numRanges;
            EXPECT_EQ(parsed.record.params, params) << numRanges << " ranges, julia " << julia;
            EXPECT_EQ(parsed.record.StartY, 321);

            FractalParams current;
            ColorMap loaded;
            PaletteArrays loadedPalette;
            CommitFractalText(parsed.record, current, loaded, loadedPalette);
            const auto expected = RangeColorsFor(colors, numRanges);
            const auto actual = RangeColorsFor(loaded, numRanges);
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), actual.begin(), actual.end()))
                << numRanges;
            EXPECT_EQ(loaded.MaxIterColor, colors.MaxIterColor);
            EXPECT_EQ(PaletteColor(loadedPalette, kBackgroundEntry), colors.BgColor);
        }
    }
}

TEST_F(FractalTextTest, LayoutHasLineFeedsJuliaZerosInSetModeAndBandWithoutLineEnd) {
    FractalParams params = JuliaParams(8);
    params.EqnType = 0;
    params.Banding = 0;
    params.JuliaReal = -0.75;
    params.PrevRealCenter = 0.375;
    const QByteArray text = BuildFractalText(params, 0, palette_);
    const QList<QByteArray> lines = LinesOf(text);
    ASSERT_EQ(lines.size(), kFractalTextLines);
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_EQ(lines[8], "16.500000");
    EXPECT_EQ(lines[9], "0");
    EXPECT_EQ(lines[10], "0");
    EXPECT_EQ(lines[16], "0.37500000000000000000");
    EXPECT_EQ(lines[19], "-45.250000");
    EXPECT_EQ(lines[38], "Band0");

    params.EqnType = 100;
    EXPECT_EQ(LinesOf(BuildFractalText(params, 0, palette_))[9], "-0.75000000000000000000");
}

TEST_F(FractalTextTest, BandingComesFromTheByteAfterBand) {
    const QByteArray text = BuildFractalText(JuliaParams(8), 0, palette_);
    const QByteArray withoutBand = text.left(text.lastIndexOf('\n') + 1);
    const auto banding = [](const QByteArray& whole) {
        const ParsedFractalText parsed = ParseFractalText(whole);
        EXPECT_EQ(parsed.status, FractalTextStatus::kOk) << whole.right(8).constData();
        return parsed.record.params.Banding;
    };
    EXPECT_EQ(banding(withoutBand + "Band0"), 0);
    EXPECT_EQ(banding(withoutBand + "Band1"), 1);
    EXPECT_EQ(banding(withoutBand + "Band7"), 1);
    EXPECT_EQ(banding(withoutBand + "Band"), 1);
    EXPECT_EQ(banding(withoutBand + "Bandx"), 1);
    EXPECT_EQ(banding(withoutBand.chopped(1)), 1);  // no banding line at all
    EXPECT_EQ(banding(withoutBand + "Band0\nanything\nafter"), 0);
}

TEST_F(FractalTextTest, StructurallyBadTextIsRefusedWhole) {
    const QByteArray text = BuildFractalText(JuliaParams(8), 10, palette_);
    const QByteArray filler = QByteArray("0\n").repeated(70);
    const QList<QByteArray> badTexts{
        QByteArray(),
        text.left(text.indexOf("\n", 300)),      // lines missing
        WithLine(text, 20, "1e999"),             // a decimal too large for a double
        WithLine(text, 5, "12.5"),               // an integer that is not whole
        WithLine(text, 5, "4294967296"),         // too large for 32 bits
        WithLine(text, 1, "65636"),              // too large for the 16-bit equation field
        WithLine(text, 4, "751"),                // resuming below the last row
        WithLine(text, 4, "-1"),                 //
        WithLine(text, 2, "0"),                  // no width
        WithLine(text, 3, "16385"),              //
        WithLine(text, 15, "25"),                // no such function
        WithLine(text, 36, "red"),               // a colour line in use that is not a number
        WithLine(text, 39, "") + "\n" + filler,  // more than 101 lines
        QByteArray("Band0\n") + text,            // the text ends before it begins
    };
    for (const QByteArray& bad : badTexts) {
        EXPECT_EQ(ParseFractalText(bad).status, FractalTextStatus::kBadText) << bad.left(40).constData();
    }
    EXPECT_EQ(ParseFractalText(WithLine(text, 5, " +12 ")).record.params.MaxIters, 12);
    // Decimals are read up to the first character that does not belong to a number.
    EXPECT_EQ(ParseFractalText(WithLine(text, 9, "4.5abc")).record.params.LimitValue, 4.5);
    EXPECT_EQ(ParseFractalText(WithLine(text, 20, "abc")).record.params.TotalAngleDeg, 0.0);
    EXPECT_EQ(ParseFractalText(WithLine(text, 4, "750")).record.StartY, 750);
}

TEST_F(FractalTextTest, UnsupportedEquationOrRenderingIsToldApart) {
    const QByteArray text = BuildFractalText(JuliaParams(8), 0, palette_);
    EXPECT_EQ(ParseFractalText(WithLine(text, 1, "107")).status, FractalTextStatus::kOk);
    EXPECT_EQ(ParseFractalText(WithLine(text, 1, "102")).status, FractalTextStatus::kUnsupportedEquation);
    EXPECT_EQ(ParseFractalText(WithLine(text, 1, "229")).status, FractalTextStatus::kUnsupportedEquation);
    EXPECT_EQ(ParseFractalText(WithLine(text, 8, "13")).status, FractalTextStatus::kUnsupportedRendering);
}

TEST_F(FractalTextTest, UnknownRangeCountReadsAsTwoRangesFromTheirLines) {
    QByteArray text = WithLine(BuildFractalText(JuliaParams(8), 0, palette_), 7, "3");
    for (int32_t line = 21; line <= 36; ++line) text = WithLine(text, line, QByteArray::number(line));
    text = WithLine(text, 22, "not read with two ranges");
    const ParsedFractalText parsed = ParseFractalText(text);
    ASSERT_EQ(parsed.status, FractalTextStatus::kOk);
    EXPECT_EQ(parsed.record.params.NumRanges, 2);
    EXPECT_EQ(parsed.record.RangeColors, (std::vector<PackedColor>{21, 28, 29, 36}));

    const ParsedFractalText four = ParseFractalText(WithLine(WithLine(text, 7, "4"), 22, "22"));
    EXPECT_EQ(four.record.RangeColors, (std::vector<PackedColor>{21, 24, 25, 28, 29, 32, 33, 36}));
}

TEST_F(FractalTextTest, CommitKeepsTheCustomResolutionTexts) {
    const ParsedFractalText parsed = ParseFractalText(BuildFractalText(JuliaParams(4), 0, palette_));
    FractalParams current;
    current.CustomHres = "1000";
    current.CustomVres = "750";
    ColorMap colors;
    PaletteArrays palette;
    CommitFractalText(parsed.record, current, colors, palette);
    EXPECT_EQ(current.CustomHres, "1000");
    EXPECT_EQ(current.EqnType, 107);
    EXPECT_EQ(colors.RangeColors8, ColorMap{}.RangeColors8);  // only the set in use changes
}

TEST(ResumeRowTest, LastRowPausedSavesAsNewAndCompleteImageLoadsAsDone) {
    EXPECT_EQ(StartYToSave(57, 120), 57);
    EXPECT_EQ(StartYToSave(119, 120), 0);
    EXPECT_EQ(StartYToSave(120, 120), 120);

    FractalTextRecord record;
    record.params.VertRes = 120;
    record.StartY = 120;
    const ResumePoint complete = ResumePointOf(record);
    EXPECT_TRUE(complete.Done);
    EXPECT_EQ(complete.StartY, 0);
    EXPECT_EQ(complete.PlotRow, 120);
    record.StartY = 40;
    const ResumePoint paused = ResumePointOf(record);
    EXPECT_FALSE(paused.Done);
    EXPECT_EQ(paused.StartY, 40);
}

}  // namespace
}  // namespace zenphra::app
