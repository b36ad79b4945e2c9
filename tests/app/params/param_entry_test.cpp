#include <gtest/gtest.h>

#include "app/colormaps/palette_colors.h"
#include "app/params/param_entry_reader.h"
#include "app/params/param_entry_writer.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

// A parameter set unlike the first-run defaults in every field an entry carries.
FractalParams SampleParams(int32_t numRanges, bool julia) {
    FractalParams params;
    params.EqnType = julia ? 124 : 28;
    params.MaxIters = 2500;
    params.ItersToSkip = 3;
    params.NumRanges = numRanges;
    params.Rendering = 9;
    params.Banding = 1;
    params.LimitValue = 16.5;
    params.JuliaReal = julia ? -0.7454294 : 0.0;
    params.JuliaImag = julia ? 0.1130089 : 0.0;
    params.Parm1 = 0.25;
    params.Parm2 = -1.125;
    params.Parm3 = 3.0;
    params.Func1 = 24;
    params.Func2 = 7;
    params.PrevRealCenter = -0.743643887037151;
    params.PrevImagCenter = 0.13182590420533;
    params.TotalMagnify = 123456.789;
    params.TotalAngleDeg = -30.125;
    return params;
}

class ParamEntryTest : public EngineTest {
  protected:
    // Fills the palette from a colormap unlike the defaults, with its own 232 and 233 colours.
    void SetUp() override {
        EngineTest::SetUp();
        for (size_t i = 0; i < painted.RangeColors8.size(); ++i)
            painted.RangeColors8[i] = 0x10305 * (i + 1) + 7;
        painted.RangeColors4 = {0x0000FF, 0x00FF00, 0xFF0000, 0x808080,
                                0x123456, 0x654321, 0xFFFFFF, 0x000001};
        painted.RangeColors2 = {0x203040, 0x405060, 0xA0B0C0, 0xC0D0E0};
        painted.MaxIterColor = 0x0A0B0C;
        painted.BgColor = 0xF0E0D0;
        SetPaletteColor(palette, kMaxIterEntry, painted.MaxIterColor);
        SetPaletteColor(palette, kBackgroundEntry, painted.BgColor);
    }

    QStringList Entry(const FractalParams& params) {
        ApplyRangeColors(RangeColorsFor(painted, params.NumRanges));
        return EntryLines(EntryText{QStringLiteral("Seahorse"), QStringLiteral("Ann"), QStringLiteral("one"),
                                    QString(), QStringLiteral("three")},
                          params, palette);
    }

    ColorMap painted;
    const EntryValues before{FractalParams(), ColorMap()};
};

struct Shape {
    int32_t numRanges;
    bool julia;
    qsizetype lines;
};

class EntryRoundTrip : public ParamEntryTest, public ::testing::WithParamInterface<Shape> {};

TEST_P(EntryRoundTrip, ReadsBackWhatWasWritten) {
    const Shape shape = GetParam();
    FractalParams written = SampleParams(shape.numRanges, shape.julia);
    const QStringList lines = Entry(written);
    EXPECT_EQ(lines.size(), shape.lines);

    const EntryReadResult read = ReadEntryParams(lines, 1, before);
    ASSERT_EQ(read.status, EntryReadStatus::kRead);
    EXPECT_EQ(read.values.params, written);

    ColorMap expectedColors;
    std::ranges::copy(RangeColorsFor(painted, shape.numRanges), RangeColorsFor(expectedColors, shape.numRanges).begin());
    expectedColors.MaxIterColor = painted.MaxIterColor;
    expectedColors.BgColor = painted.BgColor;
    EXPECT_EQ(read.values.colors, expectedColors);
}

INSTANTIATE_TEST_SUITE_P(TwoFourEightRanges, EntryRoundTrip,
                         ::testing::Values(Shape{2, false, 28}, Shape{2, true, 30}, Shape{4, false, 32},
                                           Shape{4, true, 34}, Shape{8, false, 40}, Shape{8, true, 42}),
                         [](const ::testing::TestParamInfo<Shape>& info) {
                             return std::to_string(info.param.numRanges) +
                                    (info.param.julia ? "Julia" : "Set");
                         });

TEST_F(ParamEntryTest, WritesLabelsAndNumberFormats) {
    const QStringList lines = Entry(SampleParams(2, true));
    const QStringList expectedStart{
        "Seahorse",
        "Author : Ann",
        "Comment 1 : one",
        "Comment 2 : ",
        "Comment 3 : three",
        "Equation Type =124",
        "Max Iters =2500",
        "Skip Iters =3",
        "Color Ranges =2",
        "Rendering =9",
        "Max Value =16.500000",
        "Julia Real =-0.74542940000000001977",
        "Julia Imag =0.11300889999999999547",
        "P1 =0.250000",
        "P2 =-1.125000",
        "P3 =3.000000",
        "Func 1 =24",
        "Func 2 =7",
        "Center Real =-0.74364388703715100792",
        "Center Imag =0.13182590420532999675",
        "Magnification =123456.78900000000430736691",
        "Angle =-30.125000",
        QString::number(painted.RangeColors2[0]),
    };
    EXPECT_EQ(lines.mid(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(lines.mid(lines.size() - 4),
              QStringList({QString::number(0x0A0B0C), QString::number(0xF0E0D0), "Banding =1", "END"}));
}

TEST_F(ParamEntryTest, LineBreaksTypedIntoTextsBecomeBlanks) {
    const QStringList lines = EntryLines(EntryText{QStringLiteral("a\r\nb"), QStringLiteral("x\ny"),
                                                   QStringLiteral("END\r"), QString(), QString()},
                                         FractalParams(), palette);
    EXPECT_EQ(lines[0], "a  b");
    EXPECT_EQ(lines[1], "Author : x y");
    EXPECT_EQ(lines[2], "Comment 1 : END ");
}

TEST_F(ParamEntryTest, BandingLineIsOptionalAndOnlyZeroTurnsItOff) {
    QStringList lines = Entry(SampleParams(2, false));
    const qsizetype bandingLine = lines.size() - 2;
    const auto bandingRead = [&] { return ReadEntryParams(lines, 1, before).values.params.Banding; };

    lines[bandingLine] = "Banding =0";
    EXPECT_EQ(bandingRead(), 0);
    lines[bandingLine] = "Banding = 5";
    EXPECT_EQ(bandingRead(), 1);
    lines.removeAt(bandingLine);  // entries older than banding
    EXPECT_EQ(bandingRead(), 1);
}

TEST_F(ParamEntryTest, OnlySupportedEquationsAndRenderingsAreRead) {
    const auto statusWith = [&](const QStringList& lines, qsizetype line, const char* text) {
        QStringList changed = lines;
        changed[line] = QString::fromLatin1(text);
        const EntryReadResult read = ReadEntryParams(changed, 1, before);
        if (read.status != EntryReadStatus::kRead) {
            EXPECT_EQ(read.values.params, before.params) << text;
        }
        return read.status;
    };
    const QStringList set = Entry(SampleParams(2, false));
    EXPECT_EQ(statusWith(set, 9, "Rendering =3"), EntryReadStatus::kRenderingNotSupported);
    EXPECT_EQ(statusWith(set, 9, "Rendering =18"), EntryReadStatus::kRead);
    EXPECT_EQ(statusWith(set, 5, "Equation Type =7"), EntryReadStatus::kRead);
    EXPECT_EQ(statusWith(set, 5, "Equation Type =2"), EntryReadStatus::kEquationNotSupported);

    const QStringList julia = Entry(SampleParams(2, true));
    EXPECT_EQ(statusWith(julia, 5, "Equation Type =107"), EntryReadStatus::kRead);
    EXPECT_EQ(statusWith(julia, 5, "Equation Type =102"), EntryReadStatus::kEquationNotSupported);
    EXPECT_EQ(statusWith(julia, 5, "Equation Type =229"), EntryReadStatus::kEquationNotSupported);
    EXPECT_EQ(statusWith(julia, 5, "Equation Type =-100"), EntryReadStatus::kEquationNotSupported);
}

TEST_F(ParamEntryTest, AFaultyLineLeavesEverythingAsItWas) {
    const QStringList lines = Entry(SampleParams(4, false));
    const std::vector<std::pair<qsizetype, const char*>> faults{
        {5, "Equation Type 28"},           // no "="
        {5, "Equation Type =40000"},       // beyond a 16-bit field
        {6, "Max Iters =12abc"},           //
        {6, "Max Iters =4294967396"},      // would wrap to 100
        {10, "Max Value =1e999"},          // not finite
        {14, "Func 1 =25"},                // beyond the function list
        {15, "Func 2 =-1"},                //
        {20, "16.5"},                      // a colour that is not whole
        {lines.size() - 2, "Banding =x"},  //
    };
    for (const auto& [line, text] : faults) {
        QStringList changed = lines;
        changed[line] = QString::fromLatin1(text);
        const EntryReadResult read = ReadEntryParams(changed, 1, before);
        EXPECT_EQ(read.status, EntryReadStatus::kFaulty) << text;
        EXPECT_EQ(read.values.params, before.params) << text;
        EXPECT_EQ(read.values.colors, before.colors) << text;
    }
    EXPECT_EQ(ReadEntryParams(lines.mid(0, 30), 1, before).status, EntryReadStatus::kFaulty);  // ends early
    EXPECT_EQ(ReadEntryParams(lines, 40, before).status, EntryReadStatus::kFaulty);
    EXPECT_EQ(ReadEntryParams(lines, 0, before).status, EntryReadStatus::kFaulty);
}

TEST_F(ParamEntryTest, AnUnknownRangeCountIsReadAsTwo) {
    QStringList lines = Entry(SampleParams(2, false));
    lines[8] = "Color Ranges =3";
    const EntryReadResult read = ReadEntryParams(lines, 1, before);
    ASSERT_EQ(read.status, EntryReadStatus::kRead);
    EXPECT_EQ(read.values.params.NumRanges, 2);
    EXPECT_EQ(read.values.colors.RangeColors2, painted.RangeColors2);
}

TEST_F(ParamEntryTest, EntriesCarryNoResolution) {
    EntryValues current = before;
    current.params.HorRes = 1000;
    current.params.CustomHres = QStringLiteral("1000");
    const EntryReadResult read = ReadEntryParams(Entry(SampleParams(8, false)), 1, current);
    EXPECT_EQ(read.values.params.HorRes, 1000);
    EXPECT_EQ(read.values.params.CustomHres, "1000");
}

TEST_F(ParamEntryTest, HeaderIsTheFourLinesAfterTheName) {
    const QStringList lines = QStringList{"first", "END"} + Entry(SampleParams(2, false));
    const std::optional<EntryHeader> header = ReadEntryHeader(lines, 3);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->author, "Author : Ann");
    EXPECT_EQ(header->comment1, "Comment 1 : one");
    EXPECT_EQ(header->comment2, "Comment 2 : ");
    EXPECT_EQ(header->comment3, "Comment 3 : three");
    EXPECT_FALSE(ReadEntryHeader(lines.mid(0, 6), 3));
}

}  // namespace
}  // namespace zenphra::app
