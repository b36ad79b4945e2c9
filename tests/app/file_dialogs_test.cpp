#include <QDir>
#include <QList>
#include <QTemporaryDir>

#include "app/imagefiles/err_check.h"
#include "app/imagefiles/get_fname.h"
#include "app/imagefiles/image_support.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

// The start-up locations under the root, with the folders they and the tests' answers name made.
FileLocations MadeLocations(const QTemporaryDir& root) {
    for (const char* folder :
         {"app/Images", "app/Parameters", "app/Colormaps", "home/me/pics", "p", "c", "other", "mine"}) {
        QDir(root.path()).mkpath(QString::fromLatin1(folder));
    }
    return StartupLocations(root.path() + "/app");
}

// Answers every file dialog with the next prepared path (or a cancel) and records what it was asked.
class FileDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = SetFileDialogPresenter([this](const FileDialogRequest& request) {
            requests_.append(request);
            return answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
        });
    }
    void TearDown() override { SetFileDialogPresenter(previous_); }

    QString Ask(int16_t type, const QString& answer, int32_t numRanges = 8) {
        answers_.append(answer);
        return GetFname(type, numRanges, locations_);
    }

    // A path under the test's own root, where the folders the dialogs start in are there.
    QString At(const char* path) const { return root_.path() + QString::fromLatin1(path); }

    QTemporaryDir root_;
    FileLocations locations_ = MadeLocations(root_);
    QList<std::optional<QString>> answers_;
    QList<FileDialogRequest> requests_;
    MessageRecorder recorder_;

  private:
    FileDialogPresenter previous_;
};

TEST_F(FileDialogTest, SaveImageDialogIsSetUpAndRemembersFolderAndName) {
    EXPECT_EQ(Ask(kSaveImageDialog, At("/home/me/pics/Spiral.v2.PNG")), kBadExtension);  // two dots
    EXPECT_EQ(Ask(kSaveImageDialog, At("/home/me/pics/Spiral.PNG")), At("/home/me/pics/Spiral.PNG"));

    const FileDialogRequest& request = requests_.first();
    EXPECT_EQ(request.title, "Save Fractal Image File");
    EXPECT_EQ(request.filter, "Fractal Image Files [*.PNG] (*.png)");
    EXPECT_EQ(request.defaultExtension, "png");
    EXPECT_EQ(request.startFolder, At("/app/Images"));
    EXPECT_TRUE(request.save);
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(requests_[1].startFolder, At("/app/Images"));  // the refused name was not remembered
    EXPECT_EQ(locations_.ImageSaveFolder, At("/home/me/pics"));
    EXPECT_EQ(locations_.ImageLoadFolder, At("/app/Images"));
    EXPECT_EQ(locations_.SavedImageName, "Spiral");
}

TEST_F(FileDialogTest, WrongExtensionShowsTheDialogsMessage) {
    EXPECT_EQ(Ask(kSaveParamsDialog, At("/p/mine.txt")), kBadExtension);
    ASSERT_EQ(recorder_.messages().size(), 1);
    EXPECT_EQ(recorder_.lastText(),
              "Incorrect filename extension.\r\nIf an extension is entered, it must be .prm");
    EXPECT_EQ(recorder_.messages()[0].title, "Save Fractal Parameters");
    EXPECT_EQ(recorder_.messages()[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(Ask(kSaveImageDialog, At("/p/mine.apng")), kBadExtension);  // ends in "png" but is not ".png"
    EXPECT_EQ(Ask(kSaveImageDialog, At("/p/minepng")), kBadExtension);
}

TEST_F(FileDialogTest, ColormapDialogsFollowTheNumberOfRanges) {
    EXPECT_EQ(Ask(kLoadColormapDialog, At("/c/warm.cm8"), 4), kBadExtension);
    EXPECT_EQ(requests_.last().filter, "Colormap Files [*.CM4] (*.cm4)");
    EXPECT_FALSE(requests_.last().save);
    EXPECT_EQ(Ask(kSaveColormapDialog, At("/c/warm.cm2"), 2), At("/c/warm.cm2"));
    EXPECT_TRUE(requests_.last().confirmOverwrite);
    EXPECT_EQ(Ask(kLoadColormapDialog, At("/c/warm.cm8"), 3), At("/c/warm.cm8"));
    EXPECT_EQ(requests_.last().defaultExtension, "cm8");
    EXPECT_EQ(locations_.ColormapSaveFolder, At("/c"));
}

TEST_F(FileDialogTest, ParameterDialogsRememberTheirOwnFileAndFolder) {
    EXPECT_EQ(Ask(kLoadParamsDialog, At("/other/set.prm")), At("/other/set.prm"));
    EXPECT_EQ(Ask(kLoadParamsDialog, At("/other/set.prm")), At("/other/set.prm"));
    EXPECT_EQ(Ask(kSaveParamsDialog, At("/mine/new.prm")), At("/mine/new.prm"));

    EXPECT_EQ(requests_[0].initialFile, "");
    EXPECT_EQ(requests_[1].startFolder, At("/other"));
    EXPECT_EQ(requests_[1].initialFile, At("/other/set.prm"));
    EXPECT_EQ(requests_[2].startFolder, At("/app/Parameters"));
    EXPECT_EQ(requests_[2].initialFile, "");
    EXPECT_FALSE(requests_[2].confirmOverwrite);  // entries are added to an existing file
    EXPECT_EQ(locations_.LastSavedParamFile, At("/mine/new.prm"));
}

// A remembered folder that is not there (gone since, or never made) is not where a dialog starts: it
// starts in the nearest folder above it that is, proposes no file of the folder that is gone, and the
// folder stays remembered for when it is back.
TEST_F(FileDialogTest, DialogsStartInAFolderThatIsThere) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("program/Images"));
    locations_ = StartupLocations(root.path() + "/program");
    locations_.ParamLoadFolder = root.path() + "/usb/params";
    locations_.LastLoadedParamFile = root.path() + "/usb/params/set.prm";
    for (int16_t type = kLoadImageDialog; type <= kSaveParamsDialog; ++type) {
        EXPECT_EQ(GetFname(type, 8, locations_), kCancelled);
    }
    ASSERT_EQ(requests_.size(), 6);
    EXPECT_EQ(requests_[kLoadImageDialog].startFolder, root.path() + "/program/Images");
    EXPECT_EQ(requests_[kSaveImageDialog].startFolder, root.path() + "/program/Images");
    for (int16_t type : {kLoadColormapDialog, kSaveColormapDialog, kSaveParamsDialog})
        EXPECT_EQ(requests_[type].startFolder, root.path() + "/program") << type;
    EXPECT_EQ(requests_[kLoadParamsDialog].startFolder, root.path());
    EXPECT_EQ(requests_[kLoadParamsDialog].initialFile, "");
    EXPECT_EQ(locations_.ParamLoadFolder, root.path() + "/usb/params");
    EXPECT_EQ(locations_.LastLoadedParamFile, root.path() + "/usb/params/set.prm");
}

TEST_F(FileDialogTest, CancelAndBadDialogTypeReturnCancelled) {
    answers_.append(std::nullopt);
    EXPECT_EQ(GetFname(kLoadImageDialog, 8, locations_), kCancelled);
    EXPECT_TRUE(recorder_.messages().isEmpty());

    EXPECT_EQ(GetFname(6, 8, locations_), kCancelled);
    ASSERT_EQ(recorder_.messages().size(), 1);
    EXPECT_EQ(recorder_.lastText(), "Bad DialogType");
    EXPECT_EQ(recorder_.messages()[0].icon, MessageIcon::kNone);
    EXPECT_EQ(requests_.size(), 1);
}

TEST(ErrCheckTest, FailureCodesShowTheirMessage) {
    MessageRecorder recorder;
    EXPECT_TRUE(ErrCheck(-1, "/x/a.png"));
    EXPECT_EQ(recorder.lastText(), "The file \"/x/a.png\" could not be opened.");
    EXPECT_TRUE(ErrCheck(-2, "/x/a.png"));
    EXPECT_EQ(recorder.lastText(), "Error reading file \"/x/a.png\"");
    EXPECT_TRUE(ErrCheck(-4, ""));
    EXPECT_EQ(recorder.lastText(), "Insufficient memeory.");
    EXPECT_TRUE(ErrCheck(-6, "/x/a.png"));
    EXPECT_EQ(recorder.lastText(), "The file \"/x/a.png\" was not created by this program.");
    EXPECT_TRUE(ErrCheck(-8, ""));
    EXPECT_EQ(recorder.lastText(), "Error parsing formula.");
    EXPECT_EQ(recorder.messages().last().title, kProgramTitle);
    EXPECT_TRUE(ErrCheck(-9, ""));
    EXPECT_EQ(
        recorder.lastText(),
        "The image cannot be drawn at this place: the magnification must lie between 1e-300 and 1e20000.");
    EXPECT_TRUE(ErrCheck(-10, ""));
    EXPECT_EQ(recorder.lastText(),
              "This equation cannot be drawn this deep: \"Pokorny\" is drawn beyond the reach of doubles "
              "(a magnification of about 1e13) only with an Iteration Loop Early Exit Value below 1e40.");
    EXPECT_EQ(recorder.messages().size(), 7);
}

TEST(ErrCheckTest, SuccessEscapeAndUnknownCodesAreSilent) {
    MessageRecorder recorder;
    for (int32_t code : {0, 1, 0x7FFFFFFF, -7, -11}) EXPECT_FALSE(ErrCheck(code, "/x/a.png")) << code;
    EXPECT_TRUE(recorder.messages().isEmpty());
}

TEST(ImageSupportTest, UnsupportedImagesGetTheirOwnTitles) {
    MessageRecorder recorder;
    EXPECT_TRUE(ShowUnsupportedImage(FractalTextStatus::kUnsupportedEquation));
    EXPECT_EQ(recorder.lastText(),
              "The equation used in this image is not supported\r\nby Quorvex-Talmy Fractals Lite.");
    EXPECT_EQ(recorder.messages().last().title, "Equation Not Supported");
    EXPECT_TRUE(ShowUnsupportedImage(FractalTextStatus::kUnsupportedRendering));
    EXPECT_EQ(recorder.messages().last().title, "Rendering Not Supported");
    EXPECT_FALSE(ShowUnsupportedImage(FractalTextStatus::kBadText));
    EXPECT_FALSE(ShowUnsupportedImage(FractalTextStatus::kOk));
    EXPECT_EQ(recorder.messages().size(), 2);
}

}  // namespace
}  // namespace zenphra::app
