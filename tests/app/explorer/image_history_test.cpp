// The image history as a browser's: Back and Forward, new images dropping those ahead, the file it is
// kept in; and the entry that Copy Parameters puts on the clipboard, pasted back.
#include "app/explorer/image_history.h"

#include <QTemporaryDir>

#include "app/colormaps/palette_colors.h"
#include "app/common/text_lines.h"
#include "app/params/clipboard_entry.h"
#include "app/params/image_entry.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class ImageHistoryTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ApplyColormap(ColorMap{}, 8);
    }

    // The image with this magnification (and size), as the history keeps it.
    FractalParams Image(double magnify, int32_t width = 320) const {
        FractalParams params;
        params.TotalMagnify = magnify;
        params.HorRes = width;
        params.VertRes = width * 3 / 4;
        return params;
    }

    static double Magnify(const std::optional<EntryValues>& image) {
        return image ? image->params.TotalMagnify : -1.0;
    }

    EntryValues current;
};

TEST_F(ImageHistoryTest, BackAndForwardStepThroughTheImagesAndANewOneDropsThoseAhead) {
    ImageHistory history;
    EXPECT_FALSE(history.CanGoBack() || history.CanGoForward());
    for (const double magnify : {1.0, 2.0, 4.0}) EXPECT_TRUE(history.Add(Image(magnify), palette));
    EXPECT_FALSE(history.Add(Image(4.0), palette));  // the same image again is kept once
    EXPECT_EQ(history.Size(), 3);

    EXPECT_EQ(Magnify(history.Back(current)), 2.0);
    history.Add(Image(2.0), palette);  // the step's image, plotted again, keeps the images ahead
    EXPECT_TRUE(history.CanGoForward());
    EXPECT_EQ(Magnify(history.Back(current)), 1.0);
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_EQ(Magnify(history.Forward(current)), 2.0);
    history.Add(Image(2.0), palette);

    history.Add(Image(8.0), palette);  // a new image after going back
    EXPECT_EQ(history.Size(), 3);
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_EQ(Magnify(history.Back(current)), 2.0);
    EXPECT_EQ(Magnify(history.Forward(current)), 8.0);
}

TEST_F(ImageHistoryTest, AnImageComesBackWithItsSizeAndColours) {
    FractalParams custom = Image(3.0, 1000);
    custom.NumRanges = 4;
    custom.Banding = 1;
    ApplyColormap(ColorMap{}, 4);
    SetPaletteColor(palette, kMaxIterEntry, 0x123456);
    ImageHistory history;
    history.Add(custom, palette);
    history.Add(Image(5.0), palette);

    current.params.CustomHres = QStringLiteral("64");
    const std::optional<EntryValues> image = history.Back(current);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->params.HorRes, 1000);
    EXPECT_EQ(image->params.VertRes, 750);
    EXPECT_EQ(image->params.CustomHres, QStringLiteral("1000"));  // no option has that width
    EXPECT_EQ(image->params.Banding, 1);
    EXPECT_EQ(image->colors.MaxIterColor, 0x123456);
    EXPECT_EQ(image->colors.RangeColors4, ColorMap{}.RangeColors4);
}

TEST_F(ImageHistoryTest, TheLastFiftyImagesGoThroughTheFileAndADamagedFileIsAnEmptyHistory) {
    ImageHistory history;
    for (int image = 1; image <= 55; ++image) history.Add(Image(image), palette);
    EXPECT_EQ(history.Size(), ImageHistory::kKept);

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings not yet written/history.prm"));
    ASSERT_TRUE(SaveImageHistory(path, history));
    ImageHistory read = LoadImageHistory(path);
    ASSERT_EQ(read.Size(), ImageHistory::kKept);
    EXPECT_FALSE(read.CanGoForward());
    EXPECT_EQ(Magnify(read.Back(current)), 54.0);
    EXPECT_EQ(read.FileText(), history.FileText());

    QByteArray damaged = history.FileText();
    damaged.replace("Rendering =14", "Rendering =x");
    EXPECT_EQ(ImageHistory::FromFileText(damaged).Size(), 0);
    EXPECT_EQ(ImageHistory::FromFileText(history.FileText().left(500)).Size(), 0);
    EXPECT_EQ(ImageHistory::FromFileText(QByteArray("\x89PNG\r\n")).Size(), 0);
    EXPECT_EQ(LoadImageHistory(folder.filePath(QStringLiteral("none.prm"))).Size(), 0);
}

TEST_F(ImageHistoryTest, CopiedParametersPasteBackAndABadLineChangesNothing) {
    FractalParams params = SampleParams();
    SetPaletteColor(palette, kMaxIterEntry, 0x00ff00);
    SetPaletteColor(palette, kBackgroundEntry, 0x0000ff);
    const QString copied = QString::fromLatin1(
        JoinLinesCrLf(EntryLines(ImageEntryText(kClipboardName, params), params, palette)));

    const EntryValues before{FractalParams{}, ColorMap{}};
    const EntryReadResult pasted = ReadPastedEntry(copied, before);
    ASSERT_EQ(pasted.status, EntryReadStatus::kRead);
    FractalParams expected = params;
    expected.HorRes = before.params.HorRes;  // an entry keeps the size it is pasted into
    expected.VertRes = before.params.VertRes;
    expected.CustomHres = before.params.CustomHres;
    expected.CustomVres = before.params.CustomVres;
    EXPECT_EQ(pasted.values.params, expected);
    EXPECT_EQ(pasted.values.colors.MaxIterColor, 0x00ff00);
    EXPECT_EQ(pasted.values.colors.BgColor, 0x0000ff);

    QString bad = copied;
    bad.replace(QStringLiteral("Max Iters ="), QStringLiteral("Max Iters ~"));
    const EntryReadResult refused = ReadPastedEntry(bad, before);
    EXPECT_EQ(refused.status, EntryReadStatus::kFaulty);
    EXPECT_EQ(refused.values.params, before.params);
    EXPECT_EQ(ReadPastedEntry(QStringLiteral("just some words"), before).status, EntryReadStatus::kFaulty);
}

}  // namespace
}  // namespace zenphra::app
