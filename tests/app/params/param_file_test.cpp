#include "app/params/param_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/colormaps/palette_colors.h"
#include "app/common/text_lines.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

EntryText Named(const char* name) { return EntryText{QString::fromLatin1(name), "me", "", "", ""}; }

FractalParams WithIters(int32_t maxIters) {
    FractalParams params;
    params.MaxIters = maxIters;
    return params;
}

std::vector<QString> Names(const std::vector<EntryName>& entries) {
    std::vector<QString> names;
    for (const EntryName& entry : entries) names.push_back(entry.name);
    return names;
}

class ParamFileTest : public EngineTest {
  protected:
    // A file of three entries written by the program, as a user builds it.
    void WriteThreeEntries() {
        ASSERT_TRUE(AppendEntry(path, Named("first"), WithIters(100), palette));
        ASSERT_TRUE(AppendEntry(path, Named("second"), WithIters(200), palette));
        ASSERT_TRUE(AppendEntry(path, Named("third"), WithIters(300), palette));
    }

    QByteArray EntryBytes(const char* name, int32_t maxIters) {
        return JoinLinesCrLf(EntryLines(Named(name), WithIters(maxIters), palette));
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Favourites.prm"));
    MessageRecorder log;
};

TEST(ParamScanTest, LoadSideScanChecksTheStructure) {
    const QStringList twoEntries{"one", "a", "END", "two", "b", "c", "END"};
    const auto entries = ScanEntriesChecked(twoEntries + QStringList{"", ""});
    ASSERT_TRUE(entries);
    EXPECT_EQ(Names(*entries), std::vector<QString>({"one", "two"}));
    EXPECT_EQ(entries->back().nameLine, 4);

    EXPECT_FALSE(ScanEntriesChecked({}));
    EXPECT_FALSE(ScanEntriesChecked({"", "one", "a", "END"}));
    EXPECT_FALSE(ScanEntriesChecked({"one", "a", "", "b", "END"}));
    EXPECT_FALSE(ScanEntriesChecked(twoEntries.mid(0, 6)));
}

TEST(ParamScanTest, SaveSideScanListsEveryBlock) {
    const auto entries = ScanEntries({"END", "a", "END", "two", "b", "END", ""});
    EXPECT_EQ(Names(entries), std::vector<QString>({"END", "two", ""}));
    EXPECT_EQ(entries[1].nameLine, 4);
}

TEST_F(ParamFileTest, AppendingCreatesTheFileWithCrLfLines) {
    EXPECT_TRUE(ListEntriesForSave(path)->empty());
    ASSERT_TRUE(AppendEntry(path, Named("first"), WithIters(100), palette));
    EXPECT_EQ(FileBytes(path), EntryBytes("first", 100));
    EXPECT_TRUE(log.messages().isEmpty());
}

TEST_F(ParamFileTest, AppendingEndsAnUnfinishedLastLineFirst) {
    WriteBytes(path, "old\r\nx\r\nEND");
    ASSERT_TRUE(AppendEntry(path, Named("new"), WithIters(100), palette));
    EXPECT_EQ(FileBytes(path), "old\r\nx\r\nEND\r\n" + EntryBytes("new", 100));
}

TEST_F(ParamFileTest, ReplacingTheMiddleEntryKeepsTheOthersByteForByte) {
    WriteThreeEntries();
    const std::vector<EntryName> entries = *ListEntriesForLoad(path);
    ASSERT_TRUE(ReplaceEntry(path, entries[1].nameLine, Named("second"), WithIters(222), palette));

    EXPECT_EQ(FileBytes(path),
              EntryBytes("first", 100) + EntryBytes("second", 222) + EntryBytes("third", 300));
    FractalParams params;
    ColorMap colors;
    EXPECT_EQ(LoadEntry(path, entries[1].nameLine, params, colors, palette), EntryReadStatus::kRead);
    EXPECT_EQ(params.MaxIters, 222);
}

TEST_F(ParamFileTest, AnEntryNamedEndIsReplacedWhole) {
    ASSERT_TRUE(AppendEntry(path, Named("first"), WithIters(100), palette));
    ASSERT_TRUE(AppendEntry(path, Named("END"), WithIters(200), palette));
    ASSERT_TRUE(AppendEntry(path, Named("third"), WithIters(300), palette));
    ASSERT_TRUE(
        ReplaceEntry(path, ListEntriesForSave(path)->at(1).nameLine, Named("END"), WithIters(222), palette));
    EXPECT_EQ(FileBytes(path), EntryBytes("first", 100) + EntryBytes("END", 222) + EntryBytes("third", 300));
}

TEST_F(ParamFileTest, AFailedWriteLeavesTheOldFileAsItWas) {
    WriteThreeEntries();
    const QByteArray old = FileBytes(path);
    {
        FileSizeLimit limit(old.size() / 2);
        EXPECT_FALSE(AppendEntry(path, Named("fourth"), WithIters(400), palette));
        EXPECT_FALSE(ReplaceEntry(path, 1, Named("first"), WithIters(111), palette));
    }
    EXPECT_FALSE(ReplaceEntry(path, 1000, Named("first"), WithIters(111), palette));
    // A file marked read-only is kept even for a user who may write any file.
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_FALSE(AppendEntry(path, Named("fourth"), WithIters(400), palette));
    EXPECT_FALSE(ReplaceEntry(path, 1, Named("first"), WithIters(111), palette));

    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Favourites.prm"});  // no leftovers
    EXPECT_TRUE(log.messages().isEmpty());  // the callers say what went wrong
}

TEST_F(ParamFileTest, AFolderCannotBeWrittenOrRead) {
    EXPECT_FALSE(AppendEntry(folder.path(), Named("x"), FractalParams(), palette));
    EXPECT_FALSE(ListEntriesForSave(folder.path()));
    EXPECT_FALSE(ListEntriesForLoad(folder.path()));
    EXPECT_TRUE(log.messages().isEmpty());
}

TEST_F(ParamFileTest, AnEmptyFileIsCorrupt) {
    WriteBytes(path, "");
    EXPECT_FALSE(ListEntriesForLoad(path));
    EXPECT_FALSE(LoadEntryHeader(path, 1));
    EXPECT_TRUE(ListEntriesForSave(path)->empty());
}

TEST_F(ParamFileTest, LoadingAnEntryMakesItCurrent) {
    FractalParams stored;
    stored.NumRanges = 4;
    stored.MaxIters = 777;
    SetPaletteColor(palette, kMaxIterEntry, 0x112233);
    SetPaletteColor(palette, kBackgroundEntry, 0x445566);
    ASSERT_TRUE(AppendEntry(path, Named("only"), stored, palette));
    PaletteArrays reset;
    palette = reset;

    FractalParams params;
    ColorMap colors;
    EXPECT_EQ(LoadEntry(path, 1, params, colors, palette), EntryReadStatus::kRead);
    EXPECT_EQ(params, stored);
    EXPECT_EQ(colors.MaxIterColor, 0x112233);
    EXPECT_EQ(PaletteColor(palette, kMaxIterEntry), 0x112233);
    EXPECT_EQ(PaletteColor(palette, kBackgroundEntry), 0x445566);
    EXPECT_TRUE(log.messages().isEmpty());
}

TEST_F(ParamFileTest, ARefusedOrFaultyEntryChangesNothing) {
    FractalParams unsupported;
    unsupported.EqnType = 102;
    FractalParams badRendering;
    badRendering.Rendering = 2;
    ASSERT_TRUE(AppendEntry(path, Named("a"), unsupported, palette));
    ASSERT_TRUE(AppendEntry(path, Named("b"), badRendering, palette));

    FractalParams params = WithIters(5);
    ColorMap colors;
    colors.BgColor = 9;
    const PaletteArrays paletteBefore = palette;
    const auto load = [&](const QString& file, int32_t nameLine) {
        return LoadEntry(file, nameLine, params, colors, palette);
    };
    EXPECT_EQ(load(path, 1), EntryReadStatus::kEquationNotSupported);
    EXPECT_EQ(load(path, ListEntriesForSave(path)->at(1).nameLine), EntryReadStatus::kRenderingNotSupported);
    EXPECT_EQ(load(path, 2), EntryReadStatus::kFaulty);
    EXPECT_EQ(load(folder.filePath("missing.prm"), 1), EntryReadStatus::kFaulty);
    EXPECT_EQ(params, WithIters(5));
    EXPECT_EQ(colors.BgColor, 9);
    EXPECT_EQ(palette, paletteBefore);

    EXPECT_TRUE(log.messages().isEmpty());
}

}  // namespace
}  // namespace zenphra::app
