// Saving and loading images as the explorer and the renderer do, on real files through the real library:
// what a load gives back, and that a file that cannot be used changes nothing.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>
#include <clocale>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/fractal_text.h"
#include "app/imagefiles/image_load.h"
#include "app/imagefiles/image_save.h"
#include "app/imagefiles/image_support.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

// The sample parameters at a size that plots in a moment.
FractalParams SmallSample() {
    FractalParams params = SampleParams();
    params.HorRes = 64;
    params.VertRes = 48;
    params.MaxIters = 300;
    return params;
}

// What the library shows of its main image, byte for byte.
QByteArray ShownPicture(int32_t bitmap) {
    int32_t width = 0, height = 0, stride = 0;
    uint8_t* bits = nullptr;
    if (Engine().GetBitmapInfo(bitmap, &width, &height, &stride, &bits) == 0) return {};
    return QByteArray(reinterpret_cast<const char*>(bits), height * stride);
}

// The palette index of every pixel of a saved file, row by row.
QByteArray FileIndices(const QString& path) {
    const QImage image(path);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8) << path.toStdString();
    QByteArray indices;
    for (int row = 0; row < image.height(); ++row)
        indices += QByteArray(reinterpret_cast<const char*>(image.constScanLine(row)), image.width());
    return indices;
}

class ImageCommandsTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
    }
    void TearDown() override {
        Engine().DllCleanup();
        EngineTest::TearDown();
    }

    QString File(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

    // Colours the ranges of `params` with colours of their own and plots rows 0 to `rows` - 1; returns
    // the display bitmap.
    int32_t Plot(const FractalParams& params, int32_t rows) {
        for (PackedColor& color : colors_.RangeColors4)
            color = 0x102030 + 0x050301 * (&color - colors_.RangeColors4.data());
        colors_.MaxIterColor = 0x00FF80;
        colors_.BgColor = 0x402000;
        ApplyColormap(colors_, params.NumRanges);
        SetPaletteColor(palette, kMaxIterEntry, colors_.MaxIterColor);
        SetPaletteColor(palette, kBackgroundEntry, colors_.BgColor);
        int32_t bitmap =
            InitPlotWith(params, 0, ComputeDisplayFactor(params.HorRes, params.VertRes).ImageFactor);
        EXPECT_GT(bitmap, 0);
        for (int32_t row = 0; row < rows; ++row) bitmap = Engine().PlotFractal(row);
        return bitmap;
    }

    // Writes the image the library holds with a text of the test's own.
    void WriteWithText(const QString& path, const QByteArray& text) {
        ASSERT_EQ(Engine().WriteFractalFile(QFile::encodeName(path).constData(), text.constData()), 0);
    }

    ImageLoad Load(const QString& path) { return LoadImageFile(path, current_, ColorMap(), palette); }

    QTemporaryDir folder_;
    ColorMap colors_;
    FractalParams current_;  // the window's parameters before the load
    MessageRecorder messages_;
};

TEST_F(ImageCommandsTest, SaveThenLoadGivesBackParametersColoursPictureAndCaption) {
    const FractalParams saved = SmallSample();
    const int32_t plotted = Plot(saved, saved.VertRes);
    const QByteArray picture = ShownPicture(plotted);
    const QString path = File("spiral.png");
    ASSERT_TRUE(SaveImageFile(path, saved, saved.VertRes, palette));

    Plot(FractalParams(), 120);  // another image, in other colours
    current_.CustomHres = "1000";
    const ImageLoad load = Load(path);
    ASSERT_EQ(load.Status, LoadStatus::kLoaded);
    EXPECT_TRUE(messages_.messages().isEmpty());
    const LoadedImage& image = load.Image;
    FractalParams expected = saved;
    expected.CustomHres = "64";  // 64 pixels has no resolution option
    expected.CustomVres = "48";
    EXPECT_EQ(image.Params, expected);
    EXPECT_EQ(image.Colors.RangeColors4, colors_.RangeColors4);
    EXPECT_EQ(image.Colors.MaxIterColor, colors_.MaxIterColor);
    EXPECT_EQ(PaletteColor(palette, kBackgroundEntry), colors_.BgColor);
    EXPECT_EQ(ShownPicture(image.Bitmap), picture);
    // Saved complete: shown as done, and the next Plot starts a new image.
    EXPECT_TRUE(image.Resume.Done);
    EXPECT_EQ(image.RowLabel, "Done");
    EXPECT_EQ(image.Resume.StartY, 0);
    EXPECT_EQ(image.Resume.PlotRow, 48);
    EXPECT_EQ(ImageFileCaption(path), " Quorvex-Talmy Fractals Lite    File: " + path);
}

TEST_F(ImageCommandsTest, AHalfFinishedImageResumesAtItsRowToTheUninterruptedImage) {
    const FractalParams params = SmallSample();
    Plot(params, params.VertRes);
    ASSERT_TRUE(SaveImageFile(File("whole.png"), params, params.VertRes, palette));
    Plot(params, 20);
    ASSERT_TRUE(SaveImageFile(File("half.png"), params, 20, palette));
    EXPECT_EQ(FileIndices(File("half.png")).mid(20 * 64), QByteArray(28 * 64, char(kNotPlottedEntry)));

    Plot(FractalParams(), 120);
    const ImageLoad load = Load(File("half.png"));
    ASSERT_EQ(load.Status, LoadStatus::kLoaded);
    EXPECT_FALSE(load.Image.Resume.Done);
    EXPECT_EQ(load.Image.Resume.StartY, 20);
    EXPECT_EQ(load.Image.RowLabel, "20");
    ASSERT_EQ(InitPlotWith(load.Image.Params, 20, 1), 0);
    for (int32_t row = 20; row < params.VertRes; ++row) ASSERT_GT(Engine().PlotFractal(row), 0);
    ASSERT_TRUE(SaveImageFile(File("resumed.png"), load.Image.Params, params.VertRes, palette));
    EXPECT_EQ(FileIndices(File("resumed.png")), FileIndices(File("whole.png")));
}

TEST_F(ImageCommandsTest, SizesWithoutAnOptionLoadAsCustomOthersKeepTheCustomTexts) {
    current_.CustomHres = "123";
    current_.CustomVres = "45";
    struct Case {
        int32_t width, height;
        const char *customHres, *customVres;
    };
    for (const Case& c :
         {Case{1000, 750, "1000", "750"}, Case{640, 400, "123", "45"}, Case{640, 480, "123", "45"}}) {
        FractalParams params;
        params.HorRes = c.width;
        params.VertRes = c.height;
        Plot(params, 0);
        ASSERT_TRUE(SaveImageFile(File("sized.png"), params, 0, palette));
        const ImageLoad load = Load(File("sized.png"));
        ASSERT_EQ(load.Status, LoadStatus::kLoaded) << c.width;
        EXPECT_EQ(load.Image.Params.CustomHres, c.customHres) << c.width;
        EXPECT_EQ(load.Image.Params.CustomVres, c.customVres) << c.width;
        EXPECT_EQ(load.Image.RowLabel, "0") << c.width;
    }
}

TEST_F(ImageCommandsTest, AFileThatCannotBeUsedChangesNothingAndTheImageStays) {
    const FractalParams params = SmallSample();
    const QByteArray good = BuildFractalText(params, 0, palette);
    const auto withLine = [&](int line, const QByteArray& value) {
        QList<QByteArray> lines = good.split('\n');
        lines[line - 1] = value;
        return lines.join('\n');
    };
    Plot(params, 10);
    WriteWithText(File("other size.png"), withLine(2, "65"));
    WriteWithText(File("resumes below.png"), withLine(4, "49"));
    WriteWithText(File("resumes above.png"), withLine(4, "-1"));
    WriteWithText(File("no number.png"), withLine(5, "many"));
    WriteWithText(File("equation.png"), withLine(1, "102"));
    WriteWithText(File("rendering.png"), withLine(8, "3"));
    QImage(8, 8, QImage::Format_RGB32).save(File("foreign.png"));

    const int32_t shown = Plot(FractalParams(), 60);
    const QByteArray picture = ShownPicture(shown);
    const PaletteArrays colours = palette;
    current_ = SampleParams();
    const QList<std::pair<const char*, QString>> cases{
        {"other size.png", "Error loading \"" + File("other size.png") + "\""},
        {"resumes below.png", "Error loading \"" + File("resumes below.png") + "\""},
        {"resumes above.png", "Error loading \"" + File("resumes above.png") + "\""},
        {"no number.png", "Error loading \"" + File("no number.png") + "\""},
        {"equation.png",
         "The equation used in this image is not supported\r\nby Quorvex-Talmy Fractals Lite."},
        {"rendering.png",
         "The rendering used in this image is not supported\r\nby Quorvex-Talmy Fractals Lite."},
        {"foreign.png", "The file \"" + File("foreign.png") + "\" was not created by this program."},
        {"missing.png", "The file \"" + File("missing.png") + "\" could not be opened."},
    };
    for (const auto& [name, message] : cases) {
        EXPECT_EQ(Load(File(name)).Status, LoadStatus::kRefused) << name;
        EXPECT_EQ(messages_.lastText(), message) << name;
        EXPECT_EQ(ShownPicture(shown), picture) << name;  // the same bitmap, still showing the same image
        EXPECT_EQ(palette, colours) << name;
    }
    EXPECT_EQ(messages_.messages().size(), cases.size());
    int32_t width = 0, height = 0;
    Engine().GetImageSize(&width, &height);
    EXPECT_EQ(QSize(width, height), QSize(160, 120));
}

// Parameters too long for the file, and a file marked read-only, are refused before anything is written.
TEST_F(ImageCommandsTest, RefusedSavesLeaveTheOldFileAsItWas) {
    FractalParams params = SmallSample();
    Plot(params, 0);
    const QString path = File("kept.png");
    ASSERT_TRUE(SaveImageFile(path, params, 0, palette));
    const QByteArray old = FileBytes(path);

    params.LimitValue = params.Parm1 = params.Parm2 = 1e300;
    EXPECT_FALSE(SaveImageFile(path, params, 0, palette));
    EXPECT_FALSE(SaveImageFile(File("new.png"), params, 0, palette));
    EXPECT_EQ(messages_.texts(),
              QStringList(2, "The parameters of this image are too long to be saved with it."));
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"kept.png"});

    // Marked read-only, the file stays even for a user the system would let replace it.
    params = SmallSample();
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_FALSE(SaveImageFile(path, params, 10, palette));
    EXPECT_EQ(messages_.lastText(), "Error saving \"" + path + "\"");
    EXPECT_EQ(messages_.messages().last().icon, MessageIcon::kExclamation);
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{"kept.png"});
}

TEST_F(ImageCommandsTest, AGermanLocaleStillWritesPointsAndReadsThemBack) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const FractalParams params = SmallSample();
    Plot(params, 0);
    const bool saved = SaveImageFile(File("german.png"), params, 0, palette);
    const ImageLoad load = Load(File("german.png"));
    const QList<QByteArray> lines = LibraryFractalText().split('\n');
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());

    ASSERT_TRUE(saved);
    EXPECT_EQ(lines[8], "16.500000");
    EXPECT_EQ(lines[18], "123456.78900000000430736691");
    ASSERT_EQ(load.Status, LoadStatus::kLoaded);
    EXPECT_EQ(load.Image.Params.TotalMagnify, params.TotalMagnify);
}

}  // namespace
}  // namespace zenphra::app
