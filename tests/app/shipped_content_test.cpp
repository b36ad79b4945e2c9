// The content that ships beside the program, read by the program's own logic as a user's first clicks
// read it: every entry of the parameter files loads, and together they show every equation, as a set and
// as a Julia set, and every rendering; every colormap loads in the editor of its kind; every image
// opens in the image browser and loads whole, showing the colours any other PNG reader shows.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <set>

#include "app/colormaps/colormap_file.h"
#include "app/common/engine_api.h"
#include "app/common/list_tables.h"
#include "app/common/program_folders.h"
#include "app/imagefiles/image_browser_model.h"
#include "app/imagefiles/image_load.h"
#include "app/params/param_file.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

// The program folder: the build copies the shipped folders beside the program and this test.
QString ProgramFolder() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

QStringList FilesIn(const QString& folder, const QString& pattern) {
    QStringList paths;
    for (const QFileInfo& file : QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name))
        paths << file.absoluteFilePath();
    return paths;
}

// The picture the library shows, a QRgb a pixel, row by row.
std::vector<QRgb> ShownPixels(int32_t bitmap) {
    int32_t width = 0, height = 0, stride = 0;
    uint8_t* bits = nullptr;
    if (Engine().GetBitmapInfo(bitmap, &width, &height, &stride, &bits) == 0) return {};
    std::vector<QRgb> pixels;
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column) {
            const uint8_t* pixel = bits + row * stride + 3 * column;
            pixels.push_back(qRgb(pixel[2], pixel[1], pixel[0]));
        }
    }
    return pixels;
}

std::vector<QRgb> FilePixels(const QString& path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> pixels;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) pixels.push_back(image.pixel(column, row));
    }
    return pixels;
}

class ShippedContentTest : public EngineTest {
  protected:
    void TearDown() override {
        Engine().DllCleanup();
        EngineTest::TearDown();
    }

    FileLocations locations_ = StartupLocations(ProgramFolder());
    MessageRecorder messages_;
};

TEST_F(ShippedContentTest, EveryParameterEntryLoadsAndTogetherTheyShowEveryEquationAndRendering) {
    const QStringList files = FilesIn(locations_.ParamLoadFolder, QStringLiteral("*.prm"));
    ASSERT_FALSE(files.isEmpty());
    std::set<int32_t> equations, renderings;
    int entries = 0;
    for (const QString& path : files) {
        const auto names = ListEntriesForLoad(path);
        ASSERT_TRUE(names) << path.toStdString();
        for (const EntryName& entry : *names) {
            FractalParams params;
            ColorMap colors;
            EXPECT_EQ(LoadEntry(path, entry.nameLine, params, colors, palette), EntryReadStatus::kRead)
                << entry.name.toStdString();
            equations.insert(params.EqnType);
            renderings.insert(params.Rendering);
            ++entries;
        }
    }
    EXPECT_GE(entries, 12);
    for (int32_t position = 0; position < kEquationCount; ++position) {
        EXPECT_TRUE(equations.contains(EqnCode(position))) << EqnCode(position);
        EXPECT_TRUE(equations.contains(EqnCode(position) + 100)) << EqnCode(position) << " as a Julia set";
    }
    for (int32_t position = 0; position < kRenderingCount; ++position)
        EXPECT_TRUE(renderings.contains(RendCode(position))) << RendCode(position);
    EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST_F(ShippedContentTest, EveryColormapLoadsInTheEditorOfItsKindAndEveryKindIsThere) {
    for (const int32_t ranges : {2, 4, 8}) {
        const QStringList files =
            FilesIn(locations_.ColormapLoadFolder, QStringLiteral("*.cm%1").arg(ranges));
        EXPECT_FALSE(files.isEmpty()) << "no colormap of " << ranges << " ranges";
        for (const QString& path : files) {
            const auto read = ReadColormapFile(path, ranges);
            ASSERT_TRUE(read) << path.toStdString();
            EXPECT_EQ(read->status, ColormapReadStatus::kRead) << path.toStdString();
        }
    }
    EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST_F(ShippedContentTest, EveryImageOpensInTheBrowserAndLoadsInTheColoursOfAnyPngReader) {
    const QStringList files = FilesIn(locations_.ImageLoadFolder, QStringLiteral("*.png"));
    ASSERT_FALSE(files.isEmpty());
    {
        ImageFileMemory memory;
        ImageBrowserModel browser(locations_, memory);
        browser.Start();
        ASSERT_EQ(browser.Files().size(), files.size());
        for (int index = 0; index < files.size(); ++index) {
            browser.ClickFile(index);
            ASSERT_TRUE(browser.Preview().has_value()) << files[index].toStdString();
            const QImage image(files[index]);
            EXPECT_EQ(browser.Preview()->Resolution,
                      QStringLiteral("%1 x %2").arg(image.width()).arg(image.height()));
        }
    }
    for (const QString& path : files) {
        const ImageLoad load = LoadImageFile(path, FractalParams(), ColorMap(), palette);
        ASSERT_EQ(load.Status, LoadStatus::kLoaded) << path.toStdString();
        EXPECT_TRUE(load.Image.Resume.Done) << path.toStdString();
        // Shown whole: the explorer shows pictures up to 512 x 384 without scaling them.
        EXPECT_TRUE(ShownPixels(load.Image.Bitmap) == FilePixels(path)) << path.toStdString();
    }
    EXPECT_TRUE(messages_.messages().isEmpty());
}

}  // namespace
}  // namespace zenphra::app
