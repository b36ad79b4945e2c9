// The real zenphra-render, run on real files: what it writes is read back as the explorer reads it.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/valid_num.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/image_load.h"
#include "app/imagefiles/image_save.h"
#include "app/params/param_file.h"
#include "tests/app/test_support.h"
#include "tests/cli/renderer_process.h"

namespace zenphra::cli {
namespace {

using app::FractalParams;

class RenderTest : public app::EngineTest {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "cli_render_test";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);  // for QProcess
    }
    static void TearDownTestSuite() { application.reset(); }

    QString File(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    // Runs the program and expects the exit status; shows what it said when the status differs.
    RunResult Expect(int exitCode, const QStringList& arguments) {
        const RunResult result = RunRenderer(arguments);
        EXPECT_EQ(result.exitCode, exitCode) << arguments.join(' ').toStdString() << "\n"
                                             << result.err.toStdString();
        return result;
    }

    // A small image made in this process and saved with parameters of the test's choosing, as files that
    // the renderer did not write itself.
    void SaveImageWith(const QString& path, const FractalParams& saved, int32_t plottedWidth) {
        FractalParams plotted = saved;
        plotted.EqnType = 0;
        plotted.Rendering = 14;
        plotted.HorRes = plottedWidth;
        ASSERT_GT(app::InitPlotWith(plotted, 0, 1), 0);
        ASSERT_TRUE(app::SaveImageFile(path, saved, 0, palette));
    }

    static inline std::unique_ptr<QCoreApplication> application;
    QTemporaryDir folder;
};

// The sample parameters as a render of 96 x 64 pixels keeps them: a fractal text has no custom size.
FractalParams SampleAt96x64() {
    FractalParams params = app::SampleParams();
    params.HorRes = 96;
    params.VertRes = 64;
    params.MaxIters = 300;
    params.CustomHres.clear();
    params.CustomVres.clear();
    return params;
}

// The options that describe SampleAt96x64(), in the words a person would use.
const QStringList kSampleOptions{"--equation",  "spiral symmetry 2",
                                 "--julia",     "-0.7453,0.1127",
                                 "--rendering", "Angle Function 1",
                                 "--size",      "96x64",
                                 "--center",    "-0.743643887037151,0.13182590420533",
                                 "--magnify",   "123456.789",
                                 "--angle",     "-45.25",
                                 "--iters",     "300",
                                 "--skip",      "5",
                                 "--limit",     "16.5",
                                 "--p1",        "0.125",
                                 "--p2",        "1.5",
                                 "--p3",        "7",
                                 "--func1",     "conj",
                                 "--func2",     "3",
                                 "--ranges",    "4",
                                 "--banding",   "on"};

TEST_F(RenderTest, FlagsDescribeEveryFieldOfTheSavedImage) {
    const QString image = File("sample.png");
    const RunResult result = Expect(0, kSampleOptions + QStringList{"--quiet", "-o", image});
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();

    const app::FractalTextRecord saved = ReadImageText(image);
    EXPECT_EQ(saved.params, SampleAt96x64());
    EXPECT_EQ(saved.StartY, 64);  // finished
    const auto defaults = app::ColorMap().RangeColors4;
    EXPECT_EQ(saved.RangeColors, std::vector<app::PackedColor>(defaults.begin(), defaults.end()));
    EXPECT_FALSE(IndexBytes(image).contains(char(app::kNotPlottedEntry)));
}

TEST_F(RenderTest, ParameterEntryGivesEverythingButTheSize) {
    const QString parameters = File("favourites.prm");
    const FractalParams entry = SampleAt96x64();
    app::ApplyRangeColors(std::vector<app::PackedColor>{11, 12, 13, 14, 15, 16, 17, 18});
    app::EntryText seahorse;
    seahorse.name = "Seahorse";
    ASSERT_TRUE(app::AppendEntry(parameters, seahorse, entry, palette));
    app::EntryText spiral;
    spiral.name = "Spiral";
    ASSERT_TRUE(app::AppendEntry(parameters, spiral, app::FractalParams(), palette));

    const QString image = File("seahorse.png");
    Expect(0, {"--prm", parameters, "--entry", "Seahorse", "--iters", "40", "-q", "-o", image});
    const app::FractalTextRecord saved = ReadImageText(image);
    FractalParams expected = entry;
    expected.HorRes = 640;
    expected.VertRes = 480;
    expected.MaxIters = 40;  // options after the entry override it
    EXPECT_EQ(saved.params, expected);
    EXPECT_EQ(saved.RangeColors, (std::vector<app::PackedColor>{11, 12, 13, 14, 15, 16, 17, 18}));

    EXPECT_EQ(Expect(0, {"--list", parameters}).out, "Seahorse\nSpiral\n");
    const RunResult wrongName = Expect(1, {"--prm", parameters, "--entry", "seahorse", "-o", image});
    EXPECT_TRUE(wrongName.err.contains("\"Seahorse\", \"Spiral\"")) << wrongName.err.toStdString();
}

TEST_F(RenderTest, ImageGivesEverythingItsOptionsDoNotOverride) {
    const QString original = File("original.png");
    Expect(0, kSampleOptions + QStringList{"-q", "-o", original});
    const QString smaller = File("smaller.png");
    Expect(0, {"--from", original, "--size", "48x32", "--julia", "off", "-q", "-o", smaller});

    FractalParams expected = SampleAt96x64();
    expected.HorRes = 48;
    expected.VertRes = 32;
    expected.EqnType = 7;
    expected.JuliaReal = expected.JuliaImag = 0.0;  // an image of the set keeps no Julia point
    EXPECT_EQ(ReadImageText(smaller).params, expected);
    EXPECT_EQ(ReadImageText(smaller).RangeColors, ReadImageText(original).RangeColors);
}

// The image is plotted with the parameters its file keeps (the angle to six decimals), so that rendering
// it again from its file gives the very same pixels.
TEST_F(RenderTest, AnImageRenderedAgainFromItsFileIsTheSame) {
    const QString first = File("first.png");
    Expect(0, {"--size", "320x240", "--magnify", "50000", "--iters", "3000", "--center",
               "-0.743643887037151,0.131825904205330", "--angle", "33.12345678", "-q", "-o", first});
    const QString again = File("again.png");
    Expect(0, {"--from", first, "-q", "-o", again});
    EXPECT_EQ(IndexBytes(again), IndexBytes(first));
}

TEST_F(RenderTest, InfoPrintsAnEntryTheParameterFileReaderReadsBack) {
    const QString image = File("Deep Spiral.png");
    Expect(0, kSampleOptions + QStringList{"-q", "-o", image});
    const RunResult info = Expect(0, {"--info", image});
    EXPECT_TRUE(info.out.endsWith("Banding =1\r\nEND\r\n"));

    const QString parameters = File("from images.prm");
    app::WriteBytes(parameters, info.out + info.out);
    const auto entries = app::ListEntriesForLoad(parameters);
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ(entries->front().name, "Deep Spiral");

    FractalParams read;
    read.HorRes = 96;  // an entry carries no size
    read.VertRes = 64;
    app::ColorMap colors;
    ASSERT_EQ(app::LoadEntry(parameters, entries->back().nameLine, read, colors, palette),
              app::EntryReadStatus::kRead);
    EXPECT_EQ(read, SampleAt96x64());
    const auto rangeColors = colors.RangeColors4;
    EXPECT_EQ(std::vector<app::PackedColor>(rangeColors.begin(), rangeColors.end()),
              ReadImageText(image).RangeColors);
}

// A deep image keeps its location in full: rendered again from its file, from the entry --info makes of
// it, or continued from half of it, it is the very same picture, which its nearest doubles are not.
TEST_F(RenderTest, ADeepImageGoesOnFromItsFileItsEntryAndItsHalfAtTheSamePlace) {
    const QString re =
        QStringLiteral("-1.47981577613247326072298452597877854692240725774045369689878510139864920741");
    const QString im =
        QStringLiteral("-0.00063911193261361727152139632255671572957303918943984736047394936471220951");
    const QStringList deep{"--center", re + "," + im, "--magnify", "1e30",
                           "--iters",  "3000",        "--size",    "64x48"};
    const QString whole = File("deep.png");
    Expect(0, deep + QStringList{"-q", "-o", whole});

    // Continued first: IndexBytes below hands the library a palette of its own.
    const app::ImageLoad load = app::LoadImageFile(whole, FractalParams(), app::ColorMap(), palette);
    ASSERT_EQ(load.Status, app::LoadStatus::kLoaded);
    EXPECT_EQ(load.Image.Params.ExactRealCenter, re);
    ASSERT_GT(app::InitPlotWith(load.Image.Params, 0, 1), 0);
    for (int32_t row = 0; row < 20; ++row) ASSERT_GT(app::Engine().PlotFractal(row), 0);
    const QString half = File("half.png");
    ASSERT_TRUE(app::SaveImageFile(half, load.Image.Params, 20, palette));
    Expect(0, {"--resume", half, "-q"});
    EXPECT_EQ(app::FileBytes(half), app::FileBytes(whole));

    const QString again = File("again.png");
    Expect(0, {"--from", whole, "-q", "-o", again});
    EXPECT_EQ(IndexBytes(again), IndexBytes(whole));

    const RunResult info = Expect(0, {"--info", whole});
    EXPECT_TRUE(info.out.contains(("\r\nExact Center Real =" + re + "\r\n").toLatin1()))
        << info.out.toStdString();
    const QString parameters = File("deep.prm");
    app::WriteBytes(parameters, info.out);
    const QString fromEntry = File("from entry.png");
    Expect(0, {"--prm", parameters, "--entry", "deep", "--size", "64x48", "-q", "-o", fromEntry});
    EXPECT_EQ(IndexBytes(fromEntry), IndexBytes(whole));

    const QString nearest = File("nearest.png");
    const app::FractalParams& doubles = load.Image.Params;
    Expect(0, {"--center",
               app::FormatNum(doubles.PrevRealCenter, 20) + "," + app::FormatNum(doubles.PrevImagCenter, 20),
               "--magnify", "1e30", "--iters", "3000", "--size", "64x48", "-q", "-o", nearest});
    EXPECT_NE(IndexBytes(nearest), IndexBytes(whole));

    // Doubles alone are drawn deep too where they cannot resolve the pixels, rather than as the one flat
    // colour the double engine gives at 1e20.
    const RunResult plain =
        Expect(0, {"--center", "-1.4798157761324732,-0.0006391119326136173", "--magnify", "1e20", "--iters",
                   "3000", "--size", "64x48", "-o", File("plain.png")});
    EXPECT_TRUE(plain.err.contains("a deep image (137 bits")) << plain.err.toStdString();
}

TEST_F(RenderTest, InterruptedRenderResumesToTheUninterruptedImage) {
    // The inside of this Julia set runs every pixel to the iteration limit, and with "Petals" no orbit is
    // cut short for repeating exactly: a row takes milliseconds, so Ctrl-C reliably lands in the middle
    // of the image.
    const QStringList slow{"--julia",   "-0.5,0", "--rendering", "Petals", "--center", "0,0",
                           "--magnify", "1.5",    "--iters",     "20000",  "--size",   "200x48"};
    const QString whole = File("whole.png");
    Expect(0, slow + QStringList{"-q", "-o", whole});

    const QString stopped = File("stopped.png");
    QProcess process;
    StartRenderer(process, slow + QStringList{"-o", stopped});
    process.setReadChannel(QProcess::StandardError);
    QByteArray said;
    while (!said.contains("rows") && process.waitForReadyRead(60000)) said += process.readAll();
    ASSERT_TRUE(said.contains("rows")) << said.toStdString();
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), SIGINT), 0);
    ASSERT_TRUE(process.waitForFinished(60000));
    said += process.readAll();
    EXPECT_EQ(process.exitCode(), 130) << said.toStdString();
    EXPECT_TRUE(said.contains("stopped at row")) << said.toStdString();

    const int32_t stoppedAt = ReadImageText(stopped).StartY;
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 47);
    const QByteArray plotted = IndexBytes(stopped).left(stoppedAt * 200);
    EXPECT_FALSE(plotted.contains(char(app::kNotPlottedEntry)));
    EXPECT_EQ(IndexBytes(stopped).mid(stoppedAt * 200 + 200), QByteArray((47 - stoppedAt) * 200, char(234)));

    Expect(0, {"--resume", stopped, "-q"});
    EXPECT_EQ(ReadImageText(stopped).StartY, 48);
    EXPECT_EQ(IndexBytes(stopped), IndexBytes(whole));
    EXPECT_EQ(app::FileBytes(stopped), app::FileBytes(whole));
}

TEST_F(RenderTest, AnImageReplottedAndSavedByTheExplorerOpensInTheRenderer) {
    const QString original = File("original.png");
    Expect(0, {"--size", "160x120", "--ranges", "2", "-q", "-o", original});
    const app::ImageLoad load = app::LoadImageFile(original, FractalParams(), app::ColorMap(), palette);
    ASSERT_EQ(load.Status, app::LoadStatus::kLoaded);
    FractalParams params = load.Image.Params;
    params.HorRes = 800;
    params.VertRes = 600;
    ASSERT_GT(app::InitPlotWith(params, 0, 2), 0);
    for (int32_t row = 0; row < 300; ++row) ASSERT_GT(app::Engine().PlotFractal(row), 0);
    const QString half = File("half.png");
    ASSERT_TRUE(app::SaveImageFile(half, params, 300, palette));

    const RunResult info = Expect(0, {"--info", half});
    EXPECT_TRUE(info.out.contains("Comment 1 : 800 x 600 pixels\r\nComment 2 : Resumes at row 300\r\n"))
        << info.out.toStdString();
    Expect(0, {"--resume", half, "-q"});
    EXPECT_FALSE(Expect(0, {"--info", half}).out.contains("Resumes"));
    const QString whole = File("whole.png");
    Expect(0, {"--from", original, "--size", "800x600", "-q", "-o", whole});
    EXPECT_EQ(app::FileBytes(half), app::FileBytes(whole));
}

TEST_F(RenderTest, ParametersTooLongToBeSavedAreRefusedBeforePlottingAndTheOldFileStays) {
    const QString image = File("kept.png");
    Expect(0, {"--size", "64x48", "-q", "-o", image});
    const QByteArray old = app::FileBytes(image);
    const RunResult result = Expect(1, {"--limit", "1e300", "--p1", "1e300", "--p2", "1e300", "-o", image});
    EXPECT_EQ(result.err, "zenphra-render: The parameters of this image are too long to be saved with it.\n");
    EXPECT_EQ(app::FileBytes(image), old);
}

TEST_F(RenderTest, BadArgumentsAndInputsExitWithOneLineNamingTheProblem) {
    const QString image = File("any.png");
    FractalParams wide;
    wide.HorRes = 64;
    wide.VertRes = 48;
    const QString mismatched = File("mismatched.png");
    SaveImageWith(mismatched, wide, 48);
    FractalParams unknownEquation = wide;
    unknownEquation.EqnType = 2;
    const QString equation = File("equation.png");
    SaveImageWith(equation, unknownEquation, 64);
    FractalParams unknownRendering = wide;
    unknownRendering.Rendering = 3;
    const QString rendering = File("rendering.png");
    SaveImageWith(rendering, unknownRendering, 64);

    const QString emptyParameters = File("empty.prm");
    app::WriteBytes(emptyParameters, "");
    const QString parameters = File("unknown.prm");
    app::EntryText julia2;
    julia2.name = "Julia 2";
    FractalParams julia2Params;
    julia2Params.EqnType = 102;
    ASSERT_TRUE(app::AppendEntry(parameters, julia2, julia2Params, palette));

    const QList<std::pair<QStringList, QByteArray>> cases{
        {{"--colour", "red", "-o", image}, "Unknown option 'colour'"},
        {{"--prm", emptyParameters, "--entry", "x", "-o", image},
         "The file \"" + emptyParameters.toUtf8() + "\" is corrupt."},
        {{"--prm", parameters, "--entry", "Julia 2", "-o", image},
         "Equation Not Supported: The equation used in this parameter entry is not supported by "
         "Quorvex-Talmy Fractals Lite."},
        {{"--equation", "Mandelbrot", "-o", image}, "Lambda (24)"},
        {{"--size", "20x20", "-o", image}, "--size: \"20x20\""},
        {{"--from", File("missing.png"), "-o", image}, "missing.png\" could not be opened."},
        {{"--resume", mismatched}, "Error loading \"" + mismatched.toUtf8() + "\""},
        {{"--from", equation, "-o", image},
         "Equation Not Supported: The equation used in this image is not supported by Quorvex-Talmy Fractals "
         "Lite."},
        {{"--info", rendering},
         "Rendering Not Supported: The rendering used in this image is not supported by Quorvex-Talmy "
         "Fractals Lite."},
        {{"--equation", "Pokorny", "--limit", "1e41", "--magnify", "1e30", "-o", image},
         "This equation cannot be drawn this deep"},
    };
    for (const auto& [arguments, problem] : cases) {
        const RunResult result = Expect(1, arguments);
        EXPECT_TRUE(result.err.startsWith("zenphra-render: ")) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(problem)) << result.err.toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(image));
    Expect(2, {"-q", "-o", File("no such folder/any.png")});
}

TEST_F(RenderTest, WithoutItsLibraryTheRendererRefusesToStart) {
    const QString alone = File("zenphra-render");
    ASSERT_TRUE(QFile::copy(RendererPath(), alone));
    QProcess process;
    process.start(alone, {"-o", File("any.png")});
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError(), "zenphra-render: The file \"" + File("libZenphra.so").toUtf8() +
                                                  "\" was not found. The program will be terminated.\n");
}

}  // namespace
}  // namespace zenphra::cli
