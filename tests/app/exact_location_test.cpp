// A deep location in every file that keeps parameters: the image file's location text, parameter entries
// (and with them --info, the clipboard and the history) and the settings. Each keeps the centre and the
// magnification in full beside the doubles that readers of the older lines use, and refuses a location
// that is damaged or disagrees with those doubles.
#include "app/common/exact_location.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "app/colormaps/palette_colors.h"
#include "app/common/valid_num.h"
#include "app/imagefiles/fractal_text.h"
#include "app/params/param_entry_reader.h"
#include "app/params/param_entry_writer.h"
#include "app/shell/explorer_settings.h"
#include "app/shell/reg_settings.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

// D100 of the deep benchmark, its centre cut to 60 digits.
const QString kRe = QStringLiteral("-1.479815776132473260722984525978778546922407257740453696898785");
const QString kIm = QStringLiteral("-0.000639111932613617271521396322556715729573039189439847360473");
const QString kMagnify = QStringLiteral("1e100");

FractalParams DeepParams() {
    FractalParams params;
    params.MaxIters = 35494;
    params.ExactRealCenter = kRe;
    params.ExactImagCenter = kIm;
    params.ExactMagnify = kMagnify;
    params.PrevRealCenter = *ParseNumber(kRe);
    params.PrevImagCenter = *ParseNumber(kIm);
    params.TotalMagnify = 1e100;
    return params;
}

class ExactLocationTest : public EngineTest {
  protected:
    QStringList Entry(const FractalParams& params) {
        return EntryLines(EntryText{QStringLiteral("Deep")}, params, palette);
    }
    FractalParams ReadEntry(const QStringList& lines, EntryReadStatus expected) {
        const EntryReadResult read = ReadEntryParams(lines, 1, EntryValues{FractalParams(), ColorMap()});
        EXPECT_EQ(read.status, expected) << lines.join('\n').toStdString();
        return read.values.params;
    }
};

TEST_F(ExactLocationTest, ImageTextsEntriesAndSettingsKeepTheLocationInFull) {
    const FractalParams deep = DeepParams();

    const FractalParams image =
        ParseFractalText(BuildFractalText(deep, 0, palette), BuildLocationText(deep)).record.params;
    EXPECT_EQ(AsStoredInImage(deep, palette), image);
    EXPECT_EQ(image, deep);

    const QStringList entry = Entry(deep);
    EXPECT_EQ(entry.mid(entry.size() - 4), (QStringList{kExactRealLabel + kRe, kExactImagLabel + kIm,
                                                        kExactMagnifyLabel + kMagnify, "END"}));
    EXPECT_EQ(ReadEntry(entry, EntryReadStatus::kRead), deep);

    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    const CRegSettings store;
    SaveExplorerSettings(store, ExplorerSettings{deep});
    const std::optional<ExplorerSettings> settings = LoadExplorerSettings(store);
    ASSERT_TRUE(settings.has_value());
    EXPECT_EQ(settings->params, deep);

    // A location whose parts are their doubles' own texts adds nothing and is not written; an entry
    // without one reads with none, whatever the parameters it was read over held.
    FractalParams shortTexts;
    shortTexts.ExactRealCenter = QStringLiteral("-0.7500");
    shortTexts.PrevRealCenter = -0.75;
    shortTexts.ExactMagnify = QStringLiteral("1e100");
    shortTexts.TotalMagnify = 1e100;
    EXPECT_TRUE(BuildLocationText(shortTexts).isEmpty());
    shortTexts.ExactMagnify = QStringLiteral("1e400");
    shortTexts.TotalMagnify = *ParseLargeNumber(shortTexts.ExactMagnify);
    EXPECT_EQ(BuildLocationText(shortTexts),
              "Exact Center Real =-0.7500\nExact Center Imag =0\nExact Magnification =1e400\n");
    EXPECT_EQ(Entry(FractalParams()).size(), Entry(deep).size() - 3);
    const EntryReadResult shallow = ReadEntryParams(Entry(FractalParams()), 1, EntryValues{deep, ColorMap()});
    EXPECT_FALSE(HasExactLocationInForce(shallow.values.params));
}

// Readers of the older lines find the nearest doubles where they always were: the 39 lines of the image
// text are those of the doubles alone, and an entry's lines up to "Banding" too.
TEST_F(ExactLocationTest, TheOlderLinesHoldTheNearestDoubles) {
    const FractalParams deep = DeepParams();
    FractalParams nearest = deep;
    nearest.ExactRealCenter = nearest.ExactImagCenter = nearest.ExactMagnify = QString();
    EXPECT_EQ(BuildFractalText(deep, 7, palette), BuildFractalText(nearest, 7, palette));
    const QStringList entry = Entry(deep);
    EXPECT_EQ(entry.mid(0, entry.size() - 4), Entry(nearest).mid(0, entry.size() - 4));
    EXPECT_EQ(ParseFractalText(BuildFractalText(deep, 0, palette)).record.params.PrevRealCenter,
              *ParseNumber(FormatNum(nearest.PrevRealCenter, 20)));
}

TEST_F(ExactLocationTest, ADamagedOrDisagreeingLocationIsRefusedAndNothingChanges) {
    const FractalParams deep = DeepParams();
    const QStringList good{kExactRealLabel + kRe, kExactImagLabel + kIm, kExactMagnifyLabel + kMagnify};
    const QString tooLong = QStringLiteral("0.") + QString(ZENPHRA_DEEP_TEXT_LIMIT, QLatin1Char('1'));
    const std::vector<std::pair<const char*, QStringList>> damaged{
        {"a line missing", good.mid(0, 2)},
        {"a line twice", good + good.mid(2)},
        {"lines out of order", {good[1], good[0], good[2]}},
        {"a letter in the centre", {kExactRealLabel + kRe + "x", good[1], good[2]}},
        {"another centre", {kExactRealLabel + "-1.4798", good[1], good[2]}},
        {"another magnification", {good[0], good[1], kExactMagnifyLabel + "2e100"}},
        {"a magnification of 0", {good[0], good[1], kExactMagnifyLabel + "0"}},
        {"an empty part", {good[0], kExactImagLabel, good[2]}},
        {"a part too long for the library", {kExactRealLabel + tooLong, good[1], good[2]}},
    };
    const QByteArray text = BuildFractalText(deep, 0, palette);
    for (const auto& [name, lines] : damaged) {
        QByteArray location;
        for (const QString& line : lines) location += line.toLatin1() + '\n';
        EXPECT_EQ(ParseFractalText(text, location).status, FractalTextStatus::kBadText) << name;

        QStringList entry = Entry(deep);
        entry = entry.mid(0, entry.size() - 4) + lines + QStringList{"END"};
        EXPECT_EQ(ReadEntry(entry, EntryReadStatus::kFaulty), FractalParams()) << name;

        FractalParams params = ParseFractalText(text).record.params;
        const FractalParams before = params;
        EXPECT_FALSE(TakeExactLocation(lines, params)) << name;
        EXPECT_EQ(params, before) << name;
    }
}

// Once the doubles move (a zoom, an edited field), the parts they moved away from no longer describe the
// view, and the files no longer keep them.
TEST_F(ExactLocationTest, APartEndsWhenItsDoubleChanges) {
    FractalParams moved = DeepParams();
    EXPECT_TRUE(HasExactLocationInForce(moved));
    moved.TotalMagnify *= 2;
    EXPECT_TRUE(HasExactLocationInForce(moved));
    EXPECT_EQ(ExactPartText(moved.ExactMagnify, moved.TotalMagnify), QStringLiteral("2e+100"));
    EXPECT_EQ(ExactPartText(moved.ExactRealCenter, moved.PrevRealCenter), kRe);
    moved.PrevRealCenter = 0.25;
    moved.PrevImagCenter = -0.5;
    EXPECT_FALSE(HasExactLocationInForce(moved));
    EXPECT_TRUE(BuildLocationText(moved).isEmpty());
    EXPECT_EQ(Entry(moved).size(), Entry(FractalParams()).size());
}

}  // namespace
}  // namespace zenphra::app
