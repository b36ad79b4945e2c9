#include <QList>

#include "app/imagefiles/err_check.h"
#include "app/imagefiles/get_fname.h"
#include "app/imagefiles/image_support.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

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

    FileLocations locations_ = StartupLocations("/app");
    QList<std::optional<QString>> answers_;
    QList<FileDialogRequest> requests_;
    MessageRecorder recorder_;

  private:
    FileDialogPresenter previous_;
};

TEST_F(FileDialogTest, SaveImageDialogIsSetUpAndRemembersFolderAndName) {
    EXPECT_EQ(Ask(kSaveImageDialog, "/home/me/pics/Spiral.v2.PNG"), kBadExtension);  // two dots
    EXPECT_EQ(Ask(kSaveImageDialog, "/home/me/pics/Spiral.PNG"), "/home/me/pics/Spiral.PNG");

    const FileDialogRequest& request = requests_.first();
    EXPECT_EQ(request.title, "Save Fractal Image File");
    EXPECT_EQ(request.filter, "Fractal Image Files [*.PNG] (*.png)");
    EXPECT_EQ(request.defaultExtension, "png");
    EXPECT_EQ(request.startFolder, "/app/Images");
    EXPECT_TRUE(request.save);
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(requests_[1].startFolder, "/app/Images");  // the refused name was not remembered
    EXPECT_EQ(locations_.ImageSaveFolder, "/home/me/pics");
    EXPECT_EQ(locations_.ImageLoadFolder, "/app/Images");
    EXPECT_EQ(locations_.SavedImageName, "Spiral");
}

TEST_F(FileDialogTest, WrongExtensionShowsTheDialogsMessage) {
    EXPECT_EQ(Ask(kSaveParamsDialog, "/p/mine.txt"), kBadExtension);
    ASSERT_EQ(recorder_.messages().size(), 1);
    EXPECT_EQ(recorder_.lastText(),
              "Incorrect filename extension.\r\nIf an extension is entered, it must be .prm");
    EXPECT_EQ(recorder_.messages()[0].title, "Save Fractal Parameters");
    EXPECT_EQ(recorder_.messages()[0].icon, MessageIcon::kExclamation);
    EXPECT_EQ(Ask(kSaveImageDialog, "/p/mine.apng"), kBadExtension);  // ends in "png" but is not ".png"
    EXPECT_EQ(Ask(kSaveImageDialog, "/p/minepng"), kBadExtension);
}

TEST_F(FileDialogTest, ColormapDialogsFollowTheNumberOfRanges) {
    EXPECT_EQ(Ask(kLoadColormapDialog, "/c/warm.cm8", 4), kBadExtension);
    EXPECT_EQ(requests_.last().filter, "Colormap Files [*.CM4] (*.cm4)");
    EXPECT_FALSE(requests_.last().save);
    EXPECT_EQ(Ask(kSaveColormapDialog, "/c/warm.cm2", 2), "/c/warm.cm2");
    EXPECT_TRUE(requests_.last().confirmOverwrite);
    EXPECT_EQ(Ask(kLoadColormapDialog, "/c/warm.cm8", 3), "/c/warm.cm8");
    EXPECT_EQ(requests_.last().defaultExtension, "cm8");
    EXPECT_EQ(locations_.ColormapSaveFolder, "/c");
}

TEST_F(FileDialogTest, ParameterDialogsRememberTheirOwnFileAndFolder) {
    EXPECT_EQ(Ask(kLoadParamsDialog, "/other/set.prm"), "/other/set.prm");
    EXPECT_EQ(Ask(kLoadParamsDialog, "/other/set.prm"), "/other/set.prm");
    EXPECT_EQ(Ask(kSaveParamsDialog, "/mine/new.prm"), "/mine/new.prm");

    EXPECT_EQ(requests_[0].initialFile, "");
    EXPECT_EQ(requests_[1].startFolder, "/other");
    EXPECT_EQ(requests_[1].initialFile, "/other/set.prm");
    EXPECT_EQ(requests_[2].startFolder, "/app/Parameters");
    EXPECT_EQ(requests_[2].initialFile, "");
    EXPECT_FALSE(requests_[2].confirmOverwrite);  // entries are added to an existing file
    EXPECT_EQ(locations_.LastSavedParamFile, "/mine/new.prm");
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
    EXPECT_EQ(recorder.messages().size(), 5);
}

TEST(ErrCheckTest, SuccessEscapeAndUnknownCodesAreSilent) {
    MessageRecorder recorder;
    for (int32_t code : {0, 1, 0x7FFFFFFF, -7, -9}) EXPECT_FALSE(ErrCheck(code, "/x/a.png")) << code;
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
