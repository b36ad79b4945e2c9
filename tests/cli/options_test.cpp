#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>

#include "app/colormaps/colormap_file.h"
#include "app/colormaps/palette_colors.h"
#include "cli/command_line.h"
#include "cli/field_options.h"
#include "cli/list_names.h"
#include "cli/progress.h"
#include "tests/app/test_support.h"

namespace zenphra::cli {
namespace {

using app::FractalParams;

class OptionsTest : public app::EngineTest {
  protected:
    // Applies the settings to the first-run setup; a refusal fails the test.
    RenderSetup Applied(const std::vector<FieldSetting>& settings, RenderSetup setup = {}) {
        EXPECT_TRUE(ApplyFieldSettings(settings, setup)) << log.lastText().toStdString();
        return setup;
    }

    // The one message a refused setting shows.
    QString Refusal(const FieldSetting& setting) {
        RenderSetup setup;
        const qsizetype before = log.messages().size();
        EXPECT_FALSE(ApplyFieldSettings({setting}, setup)) << setting.name.toStdString();
        EXPECT_EQ(log.messages().size(), before + 1);
        return log.lastText();
    }

    app::MessageRecorder log;
};

TEST_F(OptionsTest, SettingsKeepTheirOrderAndTheLaterOneWins) {
    const auto line = ParseCommandLine({"zenphra-render", "--iters", "5", "--from", "old.png",
                                        "--center=1,-2", "--iters", "7", "-o", "new.png"});
    ASSERT_TRUE(line.has_value()) << log.lastText().toStdString();
    EXPECT_EQ(line->command, Command::kRender);
    EXPECT_EQ(line->source, Source::kImage);
    EXPECT_EQ(line->input, "old.png");
    EXPECT_EQ(line->output, "new.png");
    ASSERT_EQ(line->settings.size(), 3u);
    EXPECT_EQ(line->settings[0].value, "5");
    EXPECT_EQ(line->settings[1].value, "1,-2");

    RenderSetup fromImage;
    fromImage.params.MaxIters = 999;
    const FractalParams params = Applied(line->settings, fromImage).params;
    EXPECT_EQ(params.MaxIters, 7);
    EXPECT_EQ(params.PrevRealCenter, 1.0);
    EXPECT_EQ(params.PrevImagCenter, -2.0);
}

TEST_F(OptionsTest, ResumeWritesTheImageItContinuesUnlessToldOtherwise) {
    EXPECT_EQ(ParseCommandLine({"zenphra-render", "--resume", "half.png"})->output, "half.png");
    EXPECT_EQ(ParseCommandLine({"zenphra-render", "--resume", "half.png", "-o", "whole.png"})->output,
              "whole.png");
}

TEST_F(OptionsTest, CommandLinesThatMakeNoCommandAreRefused) {
    const QList<QStringList> refused{
        {"--prm", "a.prm", "--entry", "x", "--from", "b.png", "-o", "c.png"},
        {"--entry", "x", "-o", "c.png"},
        {"--resume", "a.png", "--iters", "5"},
        {"--info", "a.png", "-o", "c.png"},
        {"--list", "a.prm", "--size", "64x64"},
        {"--iters", "5"},
        {"-o", "c.jpg"},
        {"-o", "c.png", "stray"},
        {"-o", "c.png", "--colour", "red"},
    };
    for (const QStringList& arguments : refused) {
        const qsizetype before = log.messages().size();
        EXPECT_FALSE(ParseCommandLine(QStringList{"zenphra-render"} + arguments))
            << arguments.join(' ').toStdString();
        EXPECT_EQ(log.messages().size(), before + 1);
    }
}

TEST_F(OptionsTest, ListEntriesByCaptionInAnyFormOrByCode) {
    EXPECT_EQ(FindEquation("Spiral Symmetry 2"), 7);
    EXPECT_EQ(FindEquation("SPIRAL-symmetry_2"), 7);
    EXPECT_EQ(FindEquation("24"), 24);
    EXPECT_EQ(FindEquation("2"), std::nullopt);  // a list position, not a code
    EXPECT_EQ(FindRendering("angle function 1"), 12);
    EXPECT_EQ(FindRendering("Levelset"), 14);
    EXPECT_EQ(FindFunction("conj"), 24);
    EXPECT_EQ(FindFunction("25"), std::nullopt);
}

TEST_F(OptionsTest, AnotherRenderingStartsItsParametersWhereThePanelDoes) {
    RenderSetup before;
    before.params.Func1 = before.params.Func2 = 5;
    const FractalParams chosen = Applied({{"rendering", "Angle Function 1"}}, before).params;
    EXPECT_EQ(chosen.Parm1, 0.1);
    EXPECT_EQ(chosen.Parm2, 0.1);
    EXPECT_EQ(chosen.Func1, 0);
    EXPECT_EQ(chosen.Func2, 0);

    // A parameter given anywhere keeps its value, and the same rendering again resets nothing.
    const FractalParams given = Applied({{"p2", "0.05"}, {"rendering", "petals"}}).params;
    EXPECT_EQ(given.Parm1, 0.1);
    EXPECT_EQ(given.Parm2, 0.05);
    RenderSetup petals;
    petals.params.Rendering = 9;
    petals.params.Parm1 = 0.7;
    EXPECT_EQ(Applied({{"rendering", "petals"}}, petals).params.Parm1, 0.7);
}

TEST_F(OptionsTest, JuliaModeOutlivesTheEquationChoice) {
    const FractalParams julia = Applied({{"julia", "-0.75,0.1"}, {"equation", "chebyshev"}}).params;
    EXPECT_EQ(julia.EqnType, 129);
    EXPECT_EQ(julia.Parm3, 5.0);  // Chebyshev starts at order 5
    EXPECT_EQ(julia.JuliaReal, -0.75);
    EXPECT_EQ(julia.JuliaImag, 0.1);
    RenderSetup juliaSetup;
    juliaSetup.params = julia;
    EXPECT_EQ(Applied({{"julia", "off"}, {"p3", "7"}, {"equation", "29"}}, juliaSetup).params.EqnType, 29);
    EXPECT_EQ(Applied({{"equation", "29"}, {"p3", "7"}}).params.Parm3, 7.0);
}

TEST_F(OptionsTest, SizesFromThirtyTwoToSixteenThousandPixelsASide) {
    const FractalParams largest = Applied({{"size", "16384x32"}}).params;
    EXPECT_EQ(largest.HorRes, 16384);
    EXPECT_EQ(largest.VertRes, 32);
    for (const char* size : {"31x100", "100x16385", "640", "640x480x2", "-640x480", "99999999999x480"}) {
        EXPECT_TRUE(Refusal({"size", size}).startsWith("--size: ")) << size;
    }
}

TEST_F(OptionsTest, RefusedValuesNameTheOptionAndWhatItTakes) {
    EXPECT_TRUE(Refusal({"equation", "Mandelbrot"}).contains("Classic Mandlebrot (0)"));
    EXPECT_TRUE(Refusal({"rendering", "Bands"}).contains("Level Set (14)"));
    EXPECT_TRUE(Refusal({"func1", "cube"}).contains("conj (24)"));
    const QList<FieldSetting> refused{
        {"iters", "0"},   {"skip", "-1"},    {"magnify", "0"},   {"limit", "-4"}, {"p1", "1e999"},
        {"angle", "ten"}, {"center", "0.5"}, {"julia", "1,2,3"}, {"ranges", "3"}, {"banding", "yes"}};
    for (const FieldSetting& setting : refused) {
        EXPECT_TRUE(Refusal(setting).startsWith("--" + setting.name + ": \"" + setting.value + "\""))
            << setting.name.toStdString();
    }
}

TEST_F(OptionsTest, ColormapFileSetsTheRangesAndEveryColour) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Sunset.CM4");
    const std::vector<app::PackedColor> ends{1, 2, 3, 4, 5, 6, 7, 8};
    app::ApplyRangeColors(ends);
    app::SetPaletteColor(palette, app::kMaxIterEntry, 0x112233);
    app::SetPaletteColor(palette, app::kBackgroundEntry, 0x445566);
    ASSERT_TRUE(app::SaveColormapFile(path, palette, 4));

    const RenderSetup setup = Applied({{"ranges", "8"}, {"colormap", path}});
    EXPECT_EQ(setup.params.NumRanges, 4);
    EXPECT_EQ(
        std::vector<app::PackedColor>(setup.colors.RangeColors4.begin(), setup.colors.RangeColors4.end()),
        ends);
    EXPECT_EQ(setup.colors.MaxIterColor, 0x112233);
    EXPECT_EQ(setup.colors.BgColor, 0x445566);
    EXPECT_EQ(setup.colors.RangeColors8, app::ColorMap().RangeColors8);

    // The kind goes by the extension; a file of another kind gets the colormap editor's message.
    const QString twoRanges = folder.filePath("TwoRanges.cm4");
    ASSERT_TRUE(app::SaveColormapFile(twoRanges, palette, 2));
    EXPECT_EQ(Refusal({"colormap", twoRanges}), "This is a two-range colormap");
}

TEST(ProgressTest, TimeLeftComesFromTheRowsOfThisRun) {
    EXPECT_EQ(FormatDuration(0.0), "0:00");
    EXPECT_EQ(FormatDuration(59.9), "0:59");
    EXPECT_EQ(FormatDuration(3725.0), "1:02:05");
    EXPECT_EQ(ProgressText(120, 480, 0, 3.0), "120/480 rows  25%  0:03 elapsed  0:09 left");
    EXPECT_EQ(ProgressText(300, 400, 200, 10.0), "300/400 rows  75%  0:10 elapsed  0:10 left");
    EXPECT_EQ(ProgressText(200, 400, 200, 0.0), "200/400 rows  50%  0:00 elapsed  --:-- left");
}

TEST(ProgressTest, PlainLinesAtEveryTenthOfTheImageFromWhereThePlotStarts) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    PlotProgress progress(ProgressStyle::kLines, 50, 100, out);
    for (int32_t rowsDone = 51; rowsDone <= 100; ++rowsDone) progress.RowsDone(rowsDone);
    progress.Finish();
    std::fclose(out);
    const QStringList lines =
        QString::fromLatin1(text, static_cast<qsizetype>(size)).split('\n', Qt::SkipEmptyParts);
    std::free(text);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines.first().startsWith("zenphra-render: 60/100 rows  60%"));
    EXPECT_TRUE(lines.last().startsWith("zenphra-render: 100/100 rows  100%"));
}

}  // namespace
}  // namespace zenphra::cli
