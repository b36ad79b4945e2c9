#include "app/colormaps/colormap_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class ColormapFileTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ApplyRangeColors(ColorMap().RangeColors8);
    }

    // Loads into the editor of that many ranges and checks that a refused file changed nothing.
    bool Load(const QString& file, int32_t editorRanges) {
        const PaletteArrays paletteBefore = palette;
        const ColorMap colorsBefore = colors;
        const bool loaded = LoadColormapFile(file, editorRanges, colors, palette);
        if (!loaded) {
            EXPECT_EQ(palette, paletteBefore);
            EXPECT_EQ(colors, colorsBefore);
        }
        return loaded;
    }

    QString LastMessage() const { return log.messages().isEmpty() ? QString() : log.messages().last().text; }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Sunset.cm4"));
    ColorMap colors;
    MessageRecorder log;
};

TEST_F(ColormapFileTest, DefaultTwoRangeColormapFile) {
    ApplyRangeColors(ColorMap().RangeColors2);
    ASSERT_TRUE(SaveColormapFile(path, palette, 2));
    EXPECT_EQ(FileBytes(path), "2\r\n65535\r\n16795\r\n16777215\r\n8158332\r\n0\r\n0\r\n");
}

TEST_F(ColormapFileTest, SavedColormapLoadsBackItsEndsAndSingleColours) {
    for (const int32_t ranges : {2, 4, 8}) {
        // Rotated defaults, so that every end colour differs from what the palette is reset to.
        ApplyRangeColors(RangeColorsFor(colors, ranges));
        Engine().RotateColorRanges(0, kRangeEntries / ranges);
        SetPaletteColor(palette, kMaxIterEntry, 0x010203 * ranges);
        SetPaletteColor(palette, kBackgroundEntry, 0x302010 + ranges);
        const PaletteArrays saved = palette;
        ASSERT_TRUE(SaveColormapFile(path, palette, ranges));

        ApplyRangeColors(std::vector<PackedColor>(2 * ranges, 0));
        SetPaletteColor(palette, kMaxIterEntry, 0);
        SetPaletteColor(palette, kBackgroundEntry, 0);
        ASSERT_TRUE(Load(path, ranges)) << ranges;
        EXPECT_EQ(RangeEndColors(palette, ranges), RangeEndColors(saved, ranges));
        EXPECT_EQ(PaletteColor(palette, kMaxIterEntry), 0x010203 * ranges);
        EXPECT_EQ(PaletteColor(palette, kBackgroundEntry), 0x302010 + ranges);
        EXPECT_EQ(colors.MaxIterColor, 0x010203 * ranges);
        EXPECT_EQ(colors.BgColor, 0x302010 + ranges);
    }
    EXPECT_TRUE(log.messages().isEmpty());
}

TEST_F(ColormapFileTest, EachEditorNamesTheKindOfAnotherFile) {
    const struct {
        int32_t editor;
        int32_t file;
        QString message;
    } mismatches[] = {
        {2, 4, "This is an four-range colormap."}, {2, 8, "This is an eight-range colormap."},
        {4, 2, "This is a two-range colormap"},    {4, 8, "This is an eight-range colormap"},
        {8, 2, "This is a two-range colormap"},    {8, 4, "This is a four-range colormap"},
    };
    for (const auto& mismatch : mismatches) {
        ASSERT_TRUE(SaveColormapFile(path, palette, mismatch.file));
        EXPECT_FALSE(Load(path, mismatch.editor));
        EXPECT_EQ(LastMessage(), mismatch.message);
    }
}

TEST_F(ColormapFileTest, BrokenFilesChangeNothing) {
    WriteBytes(path, "3\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_FALSE(Load(path, 2));
    EXPECT_EQ(LastMessage(), "This colormap is corrupt.");

    const QString errorLoading = "Error loading file \"" + path + "\"";
    WriteBytes(path, "4\r\n255\r\n0\r\n65280\r\n0\r\n16711680\r\n");  // two lines short
    EXPECT_FALSE(Load(path, 4));
    EXPECT_EQ(LastMessage(), errorLoading);
    WriteBytes(path, "2\r\n255\r\n0\r\nred\r\n0\r\n0\r\n0\r\n");
    EXPECT_FALSE(Load(path, 2));
    EXPECT_EQ(LastMessage(), errorLoading);
    WriteBytes(path, "");
    EXPECT_FALSE(Load(path, 2));
    EXPECT_EQ(LastMessage(), errorLoading);
    EXPECT_FALSE(Load(folder.filePath("missing.cm2"), 2));
    EXPECT_EQ(log.messages().last().title, kProgramTitle);
}

TEST_F(ColormapFileTest, OnlyTheLowBytesOfALargeColourReachThePalette) {
    WriteBytes(path, "2\r\n16777471\r\n0\r\n0\r\n0\r\n 33554432 \r\n-1\r\n");
    ASSERT_TRUE(Load(path, 2));
    EXPECT_EQ(PaletteColor(palette, 0), 255);
    EXPECT_EQ(colors.MaxIterColor, 33554432);
    EXPECT_EQ(PaletteColor(palette, kMaxIterEntry), 0);
    EXPECT_EQ(colors.BgColor, -1);
    EXPECT_EQ(PaletteColor(palette, kBackgroundEntry), 0xFFFFFF);
}

TEST_F(ColormapFileTest, AFailedSaveKeepsTheOldFile) {
    WriteBytes(path, "8\r\n");
    {
        FileSizeLimit limit(10);
        EXPECT_FALSE(SaveColormapFile(path, palette, 8));
    }
    EXPECT_FALSE(SaveColormapFile(folder.path(), palette, 8));
    EXPECT_EQ(FileBytes(path), "8\r\n");
    ASSERT_EQ(log.messages().size(), 2);
    EXPECT_EQ(log.messages()[0].text, "Error saving file \"" + path + "\"");
}

}  // namespace
}  // namespace zenphra::app
