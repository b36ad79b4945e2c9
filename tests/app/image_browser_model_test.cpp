// The image browser's rules without its window: listing a folder, selecting and previewing a file in its
// own colours, and coming back to the file last chosen.
#include "app/imagefiles/image_browser_model.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/image_save.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class ImageBrowserModelTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        locations_.ImageLoadFolder = folder_.path();
    }
    void TearDown() override {
        Engine().DllCleanup();
        EngineTest::TearDown();
    }

    QString File(const QString& name) const { return folder_.filePath(name); }

    // Saves an image of that size, plotted to `rows`, whose maximum-iteration colour is `inside`.
    void SaveImage(const QString& name, int32_t width, int32_t height, int32_t rows = 0,
                   PackedColor inside = 0, int16_t equation = 0) {
        FractalParams params;
        params.HorRes = width;
        params.VertRes = height;
        ApplyColormap(ColorMap(), params.NumRanges);
        SetPaletteColor(palette, kMaxIterEntry, inside);
        ASSERT_GT(InitPlotWith(params, 0, ComputeDisplayFactor(width, height).ImageFactor), 0);
        for (int32_t row = 0; row < rows; ++row) Engine().PlotFractal(row);
        params.EqnType = equation;
        ASSERT_TRUE(SaveImageFile(File(name), params, rows, palette));
    }

    // The colour the preview shows at its centre, packed.
    PackedColor PreviewCentre(const ImageBrowserModel& model) const {
        int32_t width = 0, height = 0, stride = 0;
        uint8_t* bits = nullptr;
        if (!model.Preview() ||
            Engine().GetBitmapInfo(model.Preview()->Bitmap, &width, &height, &stride, &bits) == 0) {
            return -1;
        }
        const uint8_t* pixel = bits + (height / 2) * stride + 3 * (width / 2);
        return PackColor(pixel[2], pixel[1], pixel[0]);
    }

    QTemporaryDir folder_;
    FileLocations locations_;
    ImageFileMemory memory_;
    MessageRecorder messages_;
};

TEST_F(ImageBrowserModelTest, AFolderListsItsPngFilesByNameAndItsFolders) {
    for (const char* name : {"b.png", "A.PNG", "c.Png", "d.jpg", "e.png.txt"}) WriteBytes(File(name), "x");
    ASSERT_TRUE(QDir(folder_.path()).mkpath("sub/deeper"));
    ASSERT_TRUE(QDir(folder_.path()).mkpath("Other"));
    locations_.ImageLoadFolder = File("sub/../");  // any spelling of the folder

    const ImageBrowserModel model(locations_, memory_);
    EXPECT_EQ(model.Files(), (QStringList{"A.PNG", "b.png", "c.Png"}));
    EXPECT_EQ(model.Folder(), folder_.path());
    EXPECT_EQ(model.SelectedFile(), -1);  // nothing until the window is shown
    EXPECT_FALSE(model.CanLoad());
    EXPECT_EQ(model.SelectedImageFile(), "Cancelled");

    const QList<FolderEntry>& folders = model.Folders();
    const FolderEntry& current =
        *std::find_if(folders.begin(), folders.end(), [](auto& f) { return f.Current; });
    EXPECT_EQ(current.Path, folder_.path());
    EXPECT_EQ(folders.first().Path, model.Drive());
    EXPECT_EQ(folders.first().Depth, 0);
    ASSERT_EQ(folders.size(), current.Depth + 3);  // the way down, then the two subfolders by name
    EXPECT_EQ(folders[current.Depth + 1].Name, "Other");
    EXPECT_EQ(folders.last().Path, File("sub"));
    EXPECT_EQ(folders.last().Depth, current.Depth + 1);
    EXPECT_TRUE(ImageDrives().contains(model.Drive()));
}

TEST_F(ImageBrowserModelTest, PreviewsAreInTheImagesOwnColoursWithItsSizeFileSizeAndTime) {
    SaveImage("a big.png", 1600, 1200);
    SaveImage("b red.png", 640, 480, 480, 0x0000FF);
    SaveImage("c green.png", 640, 480, 480, 0x00FF00);
    const QDateTime changed(QDate(2024, 3, 5), QTime(14, 7));
    QFile file(File("b red.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(changed, QFileDevice::FileModificationTime));
    file.close();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    ImageBrowserModel model(locations_, memory_);
    model.Start();
    ASSERT_TRUE(model.Preview().has_value());
    EXPECT_EQ(model.Preview()->Shown, QSize(96, 75));  // the rows' byte length a multiple of the step 16
    EXPECT_EQ(model.Preview()->Resolution, "1600 x 1200");
    EXPECT_TRUE(model.CanLoad());

    model.ClickFile(1);
    ASSERT_TRUE(model.Preview().has_value());
    EXPECT_EQ(model.Preview()->Shown, QSize(160, 120));
    EXPECT_EQ(model.Preview()->FileSize, QString::number(QFileInfo(File("b red.png")).size()));
    EXPECT_EQ(model.Preview()->Modified, "05.03.24 14:07");
    EXPECT_EQ(PreviewCentre(model), 0x0000FF);  // the centre lies in the set
    model.ClickFile(2);
    EXPECT_EQ(PreviewCentre(model), 0x00FF00);
    EXPECT_EQ(model.SelectedImageFile(), File("c green.png"));
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(messages_.messages().isEmpty());
}

TEST_F(ImageBrowserModelTest, WithoutPreviewAClickOnlySelects) {
    SaveImage("a.png", 640, 480);
    SaveImage("b.png", 320, 240);
    ImageBrowserModel model(locations_, memory_);
    model.Start();
    model.SetShowPreview(false);
    model.ClickFile(1);
    EXPECT_EQ(model.SelectedImageFile(), File("b.png"));
    EXPECT_TRUE(model.CanLoad());
    EXPECT_EQ(model.Preview()->Resolution, "640 x 480");  // still the first file's
    EXPECT_FALSE(memory_.ShowPreview);
    model.SetShowPreview(true);
    model.ClickFile(1);  // the file selected meanwhile, clicked again
    EXPECT_EQ(model.Preview()->Resolution, "320 x 240");
}

TEST_F(ImageBrowserModelTest, AFolderWithoutImagesLeavesLoadDisabled) {
    WriteBytes(File("notes.txt"), "x");
    ImageBrowserModel model(locations_, memory_);
    model.Start();
    model.Load();
    EXPECT_TRUE(model.Files().isEmpty());
    EXPECT_FALSE(model.CanLoad());
    EXPECT_FALSE(model.Preview().has_value());
    EXPECT_EQ(model.SelectedImageFile(), "Cancelled");
    EXPECT_TRUE(memory_.File.isEmpty());
}

TEST_F(ImageBrowserModelTest, FilesThatCannotBePreviewedGetTheirMessageAndCanStillBeLoaded) {
    SaveImage("a.png", 64, 48, 0, 0, 2);  // an equation this edition does not have
    WriteBytes(File("b.png"), "not a picture");
    SaveImage("c.png", 64, 48);
    ImageBrowserModel model(locations_, memory_);
    model.Start();
    ASSERT_EQ(messages_.messages().size(), 1);
    EXPECT_EQ(messages_.messages().last().title, "Equation Not Supported");
    EXPECT_FALSE(model.Preview().has_value());
    EXPECT_TRUE(model.CanLoad());
    model.ClickFile(2);
    ASSERT_TRUE(model.Preview().has_value());
    model.ClickFile(1);
    model.ClickFile(1);  // clicked again: the preview was refused already, and said so once
    EXPECT_EQ(messages_.lastText(), "The file \"" + File("b.png") + "\" is not a valid PNG file.");
    EXPECT_EQ(messages_.messages().size(), 2);
    EXPECT_FALSE(model.Preview().has_value());
    EXPECT_TRUE(model.CanLoad());
    model.Load();
    EXPECT_EQ(model.SelectedImageFile(), File("b.png"));
}

TEST_F(ImageBrowserModelTest, ReopeningAfterALoadComesBackToTheSameFile) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath("mine"));
    for (const char* name : {"mine/a.png", "mine/b.png", "mine/c.png"}) SaveImage(name, 64, 48);
    {
        ImageBrowserModel model(locations_, memory_);
        model.Start();
        model.OpenFolder(File("mine"));
        EXPECT_EQ(model.SelectedFile(), 0);  // a folder opened in the shown window selects its first file
        model.ClickFile(1);
        model.Load();
        EXPECT_EQ(model.SelectedImageFile(), File("mine/b.png"));
    }
    EXPECT_EQ(locations_.ImageLoadFolder, File("mine"));
    locations_.ImageLoadFolder = folder_.path();  // however the folder changed since

    ImageBrowserModel notLoaded(locations_, memory_);
    notLoaded.Start();
    EXPECT_EQ(notLoaded.Folder(), folder_.path());  // the load failed: no image was loaded this run

    memory_.CurrentImageFile = File("mine/b.png");
    ImageBrowserModel reopened(locations_, memory_);
    reopened.Start();
    EXPECT_EQ(reopened.Folder(), File("mine"));
    EXPECT_EQ(reopened.SelectedFile(), 1);
    EXPECT_TRUE(reopened.Preview().has_value());
}

TEST_F(ImageBrowserModelTest, ADriveThatCannotBeReadClosesTheBrowserAsCancelled) {
    SaveImage("a.png", 64, 48);
    ImageBrowserModel model(locations_, memory_);
    model.Start();
    EXPECT_FALSE(model.ChooseDrive(File("gone")));
    ASSERT_EQ(messages_.messages().size(), 1);
    const Message& shown = messages_.messages().first();
    EXPECT_EQ(shown.text, "Error accessing drive.  Make sure there is\r\nreadable media in the drive.");
    EXPECT_EQ(shown.title, "Drive Access Error");
    EXPECT_EQ(shown.icon, MessageIcon::kCritical);
    EXPECT_EQ(model.SelectedImageFile(), "Cancelled");

    EXPECT_TRUE(model.ChooseDrive(folder_.path()));
    EXPECT_EQ(model.SelectedImageFile(), File("a.png"));
}

}  // namespace
}  // namespace zenphra::app
