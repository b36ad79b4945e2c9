#include "app/colormaps/color_editor.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <memory>
#include <set>

#include "app/colormaps/colormap_file.h"
#include "app/colormaps/palette_colors.h"
#include "app/explorer/plot_call.h"
#include "app/imagefiles/get_fname.h"
#include "app/common/engine_api.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

constexpr int32_t kPickerWidth = 200;
constexpr PackedColor kWhite = 0xFFFFFF;

// The library's display bitmap, byte for byte.
QByteArray DisplayBytes(int32_t handle) {
    int32_t width = 0, height = 0, stride = 0;
    uint8_t* bits = nullptr;
    if (Engine().GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return {};
    return QByteArray(reinterpret_cast<const char*>(bits), stride * height);
}

// An editor on the default colours of its number of ranges, with black single colours, and file dialogs
// answered with prepared paths.
class ColorEditorTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        previousDialogs_ = SetFileDialogPresenter([this](const FileDialogRequest&) {
            return dialogAnswers_.isEmpty() ? std::nullopt : dialogAnswers_.takeFirst();
        });
    }
    void TearDown() override {
        SetFileDialogPresenter(previousDialogs_);
        EngineTest::TearDown();
    }

    ColorEditor& Open(int32_t ranges, bool imagePresent = false) {
        ApplyColormap(colors, ranges);
        editor_ = std::make_unique<ColorEditor>(
            ColorEditorContext{palette, colors, ranges, usingHLS, locations, imagePresent, EditorPlacement{},
                               [this] { ++recolourings; }},
            kPickerWidth);
        return *editor_;
    }

    void SetColor(ColorEditor& editor, int32_t box, PackedColor color) {
        ASSERT_TRUE(editor.Select(box));
        editor.SetRgb(RgbChannel::kRed, RedOf(color));
        editor.SetRgb(RgbChannel::kGreen, GreenOf(color));
        editor.SetRgb(RgbChannel::kBlue, BlueOf(color));
    }

    // Plots a small image, so that palette changes have something to re-colour; returns its bitmap.
    int32_t PlotSmallImage() {
        FractalParams params;
        params.HorRes = 64;
        params.VertRes = 48;
        const int32_t bitmap = InitPlotWith(params, 0, 1);
        EXPECT_GT(bitmap, 0);
        for (int32_t row = 0; row < params.VertRes; ++row) Engine().PlotFractal(row);
        return bitmap;
    }

    ColorMap colors;
    bool usingHLS = false;
    FileLocations locations = StartupLocations(QStringLiteral("/app"));
    int recolourings = 0;
    QList<std::optional<QString>> dialogAnswers_;
    QTemporaryDir folder;
    MessageRecorder log;

  private:
    std::unique_ptr<ColorEditor> editor_;
    FileDialogPresenter previousDialogs_;
};

TEST_F(ColorEditorTest, OnlyRangeEndsAndTheSingleColoursCanBeSelected) {
    const std::set<int32_t> twoRanges{0, 115, 116, 231, 232, 233};
    const std::set<int32_t> fourRanges{0, 57, 58, 115, 116, 173, 174, 231, 232, 233};
    std::set<int32_t> eightRanges{232, 233};
    for (int32_t start = 0; start < 232; start += 29) eightRanges.insert({start, start + 28});
    for (const auto& [ranges, selectable] :
         {std::pair{2, twoRanges}, std::pair{4, fourRanges}, std::pair{8, eightRanges}}) {
        ColorEditor& editor = Open(ranges);
        std::set<int32_t> found;
        for (int32_t box = -1; box <= 234; ++box) {
            if (editor.Selectable(box)) found.insert(box);
        }
        EXPECT_EQ(found, selectable) << ranges;
    }

    // A click on an inner box changes nothing at all.
    ColorEditor& editor = Open(4);
    ASSERT_TRUE(editor.Select(57));
    const std::array<int32_t, 3> shown = editor.Rgb();
    EXPECT_FALSE(editor.Select(10));
    EXPECT_EQ(editor.Selected(), 57);
    EXPECT_EQ(editor.Rgb(), shown);
}

TEST_F(ColorEditorTest, ARangeEndRefillsItsOwnRangeOnly) {
    ColorEditor& editor = Open(4, true);
    const PaletteArrays before = palette;
    SetColor(editor, 0, 0);
    SetColor(editor, 57, kWhite);
    EXPECT_EQ(PaletteColor(palette, 0), 0);
    EXPECT_EQ(PaletteColor(palette, 57), kWhite);
    for (int32_t entry = 1; entry < 57; ++entry) {
        const uint8_t grey = palette.PalRed[entry];
        EXPECT_EQ(PaletteColor(palette, entry), PackColor(grey, grey, grey)) << entry;
        EXPECT_NEAR(grey, entry * 255.0 / 57, 1.0) << entry;
        EXPECT_GE(grey, palette.PalRed[entry - 1]) << entry;
    }
    EXPECT_EQ(PaletteColor(palette, 58), PaletteColor(before, 58));
    EXPECT_TRUE(std::equal(palette.PalGrn.begin() + 58, palette.PalGrn.end(), before.PalGrn.begin() + 58));
    EXPECT_EQ(recolourings, 6);  // one for every scrollbar set

    // An end of another range shows its own colour, and one scrollbar step changes just that component,
    // also when the previous box had the same red.
    ASSERT_EQ(RedOf(PaletteColor(palette, 0)), 0);
    SetColor(editor, 0, PackColor(252, 1, 2));
    ASSERT_TRUE(editor.Select(58));
    EXPECT_EQ(editor.Rgb(), (std::array<int32_t, 3>{252, 252, 0}));
    editor.SetRgb(RgbChannel::kRed, 253);
    EXPECT_EQ(PaletteColor(palette, 58), PackColor(253, 252, 0));
    EXPECT_EQ(PaletteColor(palette, 115), PaletteColor(before, 115));
}

TEST_F(ColorEditorTest, SingleColoursGoToTheColormapAndThePalette) {
    ColorEditor& editor = Open(8);
    const PaletteArrays ranges = palette;
    SetColor(editor, kMaxIterEntry, 0x123456);
    SetColor(editor, kBackgroundEntry, 0x654321);
    EXPECT_EQ(colors.MaxIterColor, 0x123456);
    EXPECT_EQ(colors.BgColor, 0x654321);
    EXPECT_EQ(PaletteColor(palette, kMaxIterEntry), 0x123456);
    EXPECT_EQ(PaletteColor(palette, kBackgroundEntry), 0x654321);
    EXPECT_TRUE(
        std::equal(palette.PalRed.begin(), palette.PalRed.begin() + kRangeEntries, ranges.PalRed.begin()));
    EXPECT_EQ(recolourings, 0);  // there is no image to re-colour
}

TEST_F(ColorEditorTest, EveryAcceptedChangeReColoursTheImage) {
    const int32_t bitmap = PlotSmallImage();
    ColorEditor& editor = Open(8, true);
    const auto expectShown = [&](const char* change) {
        const QByteArray shown = DisplayBytes(bitmap);
        Engine().SetFractalColors();
        EXPECT_EQ(shown, DisplayBytes(bitmap)) << change;
    };
    SetColor(editor, 28, 0x00FF00);
    expectShown("range end");
    SetColor(editor, kMaxIterEntry, 0x0000FF);
    expectShown("maximum-iteration colour");
    editor.Rotate(RotateDirection::kUp);
    expectShown("rotation");
    editor.Cancel();
    expectShown("cancel");
    EXPECT_EQ(recolourings, 8);
}

TEST_F(ColorEditorTest, RotationsComeRoundAgain) {
    for (const int32_t ranges : {2, 4, 8}) {
        ColorEditor& editor = Open(ranges);
        const PaletteArrays start = palette;
        ASSERT_TRUE(editor.Select(kRangeEntries / ranges - 1));
        editor.Rotate(RotateDirection::kUp);
        EXPECT_EQ(editor.Selected(), 0);
        EXPECT_EQ(PaletteColor(palette, 0), PaletteColor(start, kRangeEntries / ranges));
        editor.Rotate(RotateDirection::kDown);
        EXPECT_EQ(palette, start);
        for (int32_t up = 1; up < ranges; ++up) {
            editor.Rotate(RotateDirection::kUp);
            EXPECT_NE(palette, start) << ranges << " ranges, " << up << " up";
        }
        editor.Rotate(RotateDirection::kUp);
        EXPECT_EQ(palette, start) << ranges;
    }
}

TEST_F(ColorEditorTest, CancelPutsBackWhatTheEditorOpenedWith) {
    const QString file = folder.filePath(QStringLiteral("Stripes.cm4"));
    ColorEditor& editor = Open(4);
    SetColor(editor, 0, 0x0000FF);
    SetColor(editor, 57, 0x00FFFF);
    ASSERT_TRUE(SaveColormapFile(file, palette, 4));

    colors.MaxIterColor = 0x102030;
    colors.BgColor = 0x405060;
    ColorEditor& reopened = Open(4);
    const PaletteArrays opened = palette;
    const ColorMap openedColors = colors;
    reopened.Rotate(RotateDirection::kDown);
    SetColor(reopened, 173, 0x0A0B0C);
    SetColor(reopened, kMaxIterEntry, kWhite);
    SetColor(reopened, kBackgroundEntry, 0x777777);
    dialogAnswers_ << file;
    reopened.LoadMap();
    ASSERT_EQ(PaletteColor(palette, 0), 0x0000FF);
    reopened.Rotate(RotateDirection::kUp);

    reopened.Cancel();
    EXPECT_EQ(palette, opened);
    EXPECT_EQ(colors, openedColors);

    // OK keeps the changes, and a later Cancel goes back to them.
    SetColor(reopened, 58, kWhite);
    reopened.Accept();
    const PaletteArrays accepted = palette;
    reopened.Rotate(RotateDirection::kUp);
    reopened.Cancel();
    EXPECT_EQ(palette, accepted);
    EXPECT_TRUE(log.messages().isEmpty()) << log.lastText().toStdString();
}

TEST_F(ColorEditorTest, ColormapFilesOfTheEditorsKindOnly) {
    const QString eight = folder.filePath(QStringLiteral("Eight.cm8"));
    ASSERT_TRUE(SaveColormapFile(eight, palette, 8));
    ColorEditor& editor = Open(4);
    ASSERT_TRUE(editor.Select(57));
    const PaletteArrays before = palette;
    const ColorMap colorsBefore = colors;
    dialogAnswers_ << eight << folder.filePath(QStringLiteral("Eight.cm4"));  // refused, then not there
    editor.LoadMap();
    EXPECT_EQ(log.texts(),
              QStringList({"Incorrect filename extension.\r\nIf an extension is entered, it must be .cm4",
                           "Error loading file \"" + folder.filePath("Eight.cm4") + "\""}));
    QFile::copy(eight, folder.filePath(QStringLiteral("Eight.cm4")));
    dialogAnswers_ << folder.filePath(QStringLiteral("Eight.cm4"));
    editor.LoadMap();
    EXPECT_EQ(log.lastText(), "This is an eight-range colormap");
    EXPECT_EQ(palette, before);
    EXPECT_EQ(colors, colorsBefore);
    EXPECT_EQ(editor.Selected(), 0);

    // A save writes the palette as it is now, edits not yet confirmed included.
    SetColor(editor, 231, 0x010203);
    const QString saved = folder.filePath(QStringLiteral("Now.cm4"));
    dialogAnswers_ << saved;
    editor.SaveMap();
    EXPECT_EQ(ColormapFileLines(palette, 4).join("\r\n") + "\r\n", QString::fromLatin1(FileBytes(saved)));
    EXPECT_EQ(ColormapFileLines(palette, 4)[8], QString::number(0x010203));
    dialogAnswers_ << std::nullopt;
    editor.SaveMap();  // cancelled
    EXPECT_EQ(locations.ColormapSaveFolder, folder.path());
}

TEST_F(ColorEditorTest, TrianglesStayOnTheirStrips) {
    ColorEditor& editor = Open(4);
    ASSERT_TRUE(editor.Select(58));  // yellow (252, 252, 0)
    EXPECT_EQ(editor.Pickers().Label(HlsStrip::kHue), 60);
    EXPECT_EQ(editor.DragTriangle(HlsStrip::kHue, -500), 0.0f);
    editor.DropTriangle(HlsStrip::kHue);
    EXPECT_EQ(editor.Pickers().Label(HlsStrip::kHue), 0);
    EXPECT_EQ(PaletteColor(palette, 58), PackColor(252, 0, 0));
    EXPECT_EQ(editor.Rgb(), (std::array<int32_t, 3>{252, 0, 0}));

    EXPECT_EQ(editor.DragTriangle(HlsStrip::kLum, 5000), kPickerWidth + 1.0f);
    EXPECT_EQ(editor.Pickers().Label(HlsStrip::kLum), 255);
    editor.DropTriangle(HlsStrip::kLum);
    EXPECT_EQ(PaletteColor(palette, 58), kWhite);

    // A grey has neither hue nor saturation.
    SetColor(editor, kBackgroundEntry, PackColor(128, 128, 128));
    ASSERT_TRUE(editor.Select(kBackgroundEntry));
    EXPECT_EQ(editor.Pickers().Position(HlsStrip::kHue), 0.0f);
    EXPECT_EQ(editor.Pickers().Position(HlsStrip::kSat), 0.0f);
    EXPECT_FLOAT_EQ(editor.Pickers().Position(HlsStrip::kLum), 128.0f / 255 * kPickerWidth);
}

TEST_F(ColorEditorTest, LettingATriangleGoWhereItStandsKeepsTheColour) {
    ColorEditor& editor = Open(8);
    for (const PackedColor color : {PackColor(100, 150, 200), PackColor(172, 96, 252), PackColor(0, 48, 16),
                                    PackColor(255, 255, 255), PackColor(1, 2, 3)}) {
        SetColor(editor, 0, color);
        for (const HlsStrip strip : {HlsStrip::kHue, HlsStrip::kSat, HlsStrip::kLum}) {
            ASSERT_TRUE(editor.Select(0));
            const int32_t centre = static_cast<int32_t>(editor.Pickers().Position(strip)) + 5;
            EXPECT_TRUE(editor.Pickers().Grabs(strip, centre));
            editor.DropTriangle(strip);
            EXPECT_EQ(PaletteColor(palette, 0), color) << std::hex << color << " strip " << int(strip);
        }
    }
}

TEST_F(ColorEditorTest, StripsAndLabelsFollowTheColour) {
    ColorEditor& editor = Open(8);
    SetColor(editor, 0, PackColor(0, 0, 255));
    const HlsPickers& pickers = editor.Pickers();
    const std::vector<PackedColor> hues = pickers.StripColors(HlsStrip::kHue);
    ASSERT_EQ(hues.size(), size_t{kPickerWidth});
    EXPECT_EQ(hues[0], PackColor(255, 0, 0));
    EXPECT_EQ(hues[kPickerWidth / 4], PackColor(128, 255, 0));  // 90 degrees
    EXPECT_EQ(hues[kPickerWidth / 2], PackColor(0, 255, 255));
    const std::vector<PackedColor> saturations = pickers.StripColors(HlsStrip::kSat);
    EXPECT_EQ(saturations.front(), PackColor(128, 128, 128));
    EXPECT_EQ(saturations.back(), PackColor(1, 1, 254));
    const std::vector<PackedColor> lightnesses = pickers.StripColors(HlsStrip::kLum);
    EXPECT_EQ(lightnesses.front(), 0);
    EXPECT_EQ(lightnesses[kPickerWidth / 2], PackColor(0, 0, 255));
    EXPECT_EQ(pickers.Label(HlsStrip::kHue), 238);  // 240 degrees read on a strip one column wider
    EXPECT_EQ(pickers.Label(HlsStrip::kSat), 254);

    editor.UseHls(true);
    EXPECT_TRUE(usingHLS);
    editor.UseHls(false);
    EXPECT_FALSE(usingHLS);
}

TEST_F(ColorEditorTest, DefaultColorsResetTheRangesInUse) {
    ColorMap edited;
    edited.RangeColors4.fill(kWhite);
    edited.RangeColors8.fill(kWhite);
    edited.MaxIterColor = 0x111111;
    edited.BgColor = 0x222222;
    const ColorMap defaults;
    const std::vector<PackedColor> defaultEnds(defaults.RangeColors4.begin(), defaults.RangeColors4.end());
    for (const bool imagePresent : {false, true}) {
        const int32_t bitmap = imagePresent ? PlotSmallImage() : 0;
        colors = edited;
        ApplyColormap(colors, 4);
        const QByteArray shownBefore = DisplayBytes(bitmap);
        EXPECT_EQ(DefaultColors(colors, 4, imagePresent), imagePresent);
        EXPECT_EQ(colors.RangeColors4, defaults.RangeColors4);
        EXPECT_EQ(colors.RangeColors8, edited.RangeColors8);
        EXPECT_EQ(colors.MaxIterColor, 0x111111);
        EXPECT_EQ(colors.BgColor, 0x222222);
        EXPECT_EQ(RangeEndColors(palette, 4), defaultEnds);
        if (imagePresent) {
            EXPECT_NE(DisplayBytes(bitmap), shownBefore);  // re-coloured at once
        }
    }
}

TEST_F(ColorEditorTest, EditorOpensBesideThePicture) {
    EditorPlacement placement{QRect(100, 50, 806, 560), QRect(120, 90, 512, 384), false};
    EXPECT_EQ(EditorPosition(placement), QPoint(100 + 806 - 262, 50 + 23));
    placement.largeFonts = true;
    EXPECT_EQ(EditorPosition(placement), QPoint(120 + 512 + 5, 90 - 6));
}

}  // namespace
}  // namespace zenphra::app
