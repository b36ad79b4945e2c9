#include <QSettings>
#include <QTemporaryDir>

#include "app/shell/explorer_settings.h"
#include "app/shell/form_position.h"
#include "app/shell/reg_settings.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

// Every test gets its own empty settings folder.
class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(BindEngineBesideTest());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }

    void Store(const char* key, const QString& text) {
        ASSERT_TRUE(store_.SaveSetting(kExplorerSection, QString::fromLatin1(key), text));
    }

    QTemporaryDir folder_;
    CRegSettings store_;
};

TEST_F(SettingsTest, NamesAreTrimmedAndEmptyBringsBackTheBuiltInOne) {
    store_.SetCompany("  Other Company ");
    EXPECT_EQ(store_.Company(), "Other Company");
    store_.SetCompany("");
    EXPECT_EQ(store_.Company(), "Quorvex_Talmy Fractals Lite");
    store_.SetAppName("   ");
    EXPECT_EQ(store_.AppName(), "Zenphra");
}

TEST_F(SettingsTest, ValuesAreKeptPerSectionAndEmptyOnesGiveTheDefault) {
    EXPECT_TRUE(store_.SaveSetting("frmSetRes", "Left", "1200"));
    EXPECT_TRUE(store_.SaveSetting("frmSetRes", "Blank", ""));
    EXPECT_TRUE(store_.SaveSetting("frmSetRes", CRegSettings::kDefaultValueKey, "unnamed"));
    EXPECT_TRUE(store_.SaveSetting("frmAbout", "Left", "a, b; \"c\""));

    EXPECT_EQ(store_.GetSetting("frmSetRes", "Left", "none"), "1200");
    EXPECT_EQ(store_.GetSetting("frmSetRes", "Blank", "none"), "none");
    EXPECT_EQ(store_.GetSetting("frmSetRes", "Missing", "none"), "none");
    EXPECT_EQ(store_.GetSetting("frmMissing", "Left", "none"), "none");
    EXPECT_EQ(store_.GetSetting("frmSetRes", "*"), "unnamed");
    EXPECT_EQ(store_.GetSetting("frmAbout", "Left"), "a, b; \"c\"");

    CRegSettings otherApplication;
    otherApplication.SetAppName("Elsewhere");
    EXPECT_EQ(otherApplication.GetSetting("frmSetRes", "Left", "none"), "none");
}

TEST_F(SettingsTest, DeleteRemovesAValueOrWithAnEmptyKeyTheSection) {
    store_.SaveSetting("frmTutorial", "Left", "1");
    store_.SaveSetting("frmTutorial", "Top", "2");
    store_.SaveSetting("frmAbout", "Top", "3");
    EXPECT_EQ(store_.GetAllSettings("frmTutorial"),
              (QList<std::pair<QString, QString>>{{"Left", "1"}, {"Top", "2"}}));

    EXPECT_TRUE(store_.DeleteSetting("frmTutorial", "Left"));
    EXPECT_FALSE(store_.DeleteSetting("frmTutorial", "Left"));
    EXPECT_EQ(store_.GetSetting("frmTutorial", "Top"), "2");
    EXPECT_TRUE(store_.DeleteSetting("frmTutorial", ""));
    EXPECT_FALSE(store_.DeleteSetting("frmTutorial", ""));
    EXPECT_TRUE(store_.GetAllSettings("frmTutorial").isEmpty());
    EXPECT_EQ(store_.GetSetting("frmAbout", "Top"), "3");
}

ExplorerSettings UnusualSettings() { return ExplorerSettings{SampleParams(), true}; }

TEST_F(SettingsTest, ExplorerSettingsRoundTripAsDecimalText) {
    const ExplorerSettings saved = UnusualSettings();
    SaveExplorerSettings(store_, saved);
    EXPECT_EQ(store_.GetSetting(kExplorerSection, "LimitValue"), "16.50000");
    EXPECT_EQ(store_.GetSetting(kExplorerSection, "TotalAngleDeg"), "-45.25000000000000000000");
    EXPECT_EQ(store_.GetAllSettings(kExplorerSection).size(), 23);

    const std::optional<ExplorerSettings> loaded = LoadExplorerSettings(store_);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, saved);
}

TEST_F(SettingsTest, FirstRunReadsNothingElse) {
    Store("MaxIters", "999");
    EXPECT_FALSE(LoadExplorerSettings(store_));
    Store("EqnType", "");
    EXPECT_FALSE(LoadExplorerSettings(store_));
}

TEST_F(SettingsTest, OnlyExactTextsTurnBandingOffAndHlsOn) {
    Store("EqnType", "0");
    EXPECT_EQ(LoadExplorerSettings(store_)->params.Banding, 1);  // missing
    Store("Banding", "x");
    Store("UsingHLS", "true");
    EXPECT_EQ(LoadExplorerSettings(store_)->params.Banding, 1);
    EXPECT_FALSE(LoadExplorerSettings(store_)->UsingHLS);
    Store("Banding", "0");
    Store("UsingHLS", "1");
    EXPECT_EQ(LoadExplorerSettings(store_)->params.Banding, 0);
    EXPECT_TRUE(LoadExplorerSettings(store_)->UsingHLS);
}

TEST_F(SettingsTest, UnreadableOrUnusableValuesFallBackFieldByField) {
    SaveExplorerSettings(store_, UnusualSettings());
    Store("EqnType", "229");
    Store("Rendering", "13");
    Store("MaxIters", "99999999999");
    Store("Func1", "25");
    Store("HorRes", "31");
    Store("NumRanges", "6");
    Store("LimitValue", "four");
    Store("TotalMagnify", "1e999");
    const ExplorerSettings loaded = *LoadExplorerSettings(store_);
    const FractalParams defaults;
    FractalParams expected = UnusualSettings().params;
    expected.EqnType = defaults.EqnType;
    expected.Rendering = defaults.Rendering;
    expected.MaxIters = defaults.MaxIters;
    expected.Func1 = defaults.Func1;
    expected.HorRes = defaults.HorRes;
    expected.VertRes = defaults.VertRes;  // the pair goes back together
    expected.NumRanges = 2;
    expected.LimitValue = defaults.LimitValue;
    expected.TotalMagnify = defaults.TotalMagnify;
    EXPECT_EQ(loaded.params, expected);
}

TEST_F(SettingsTest, WindowPositionsAreKeptOnlyWithLargeFonts) {
    const FormPosition position{1200.0f, 345.5f, 6000.0f, 4500.0f};
    SaveFormPosition(store_, "frmSetRes", position, false);
    EXPECT_TRUE(store_.GetAllSettings("frmSetRes").isEmpty());
    EXPECT_FALSE(RestoreFormPosition(store_, "frmSetRes", true));  // never stored

    SaveFormPosition(store_, "frmSetRes", position, true);
    EXPECT_EQ(store_.GetSetting("frmSetRes", "Left"), "1200");
    EXPECT_EQ(store_.GetSetting("frmSetRes", "Top"), "345.5");
    EXPECT_EQ(RestoreFormPosition(store_, "frmSetRes", true), position);
    EXPECT_FALSE(RestoreFormPosition(store_, "frmSetRes", false));

    store_.SaveSetting("frmSetRes", "Height", "tall");
    EXPECT_FALSE(RestoreFormPosition(store_, "frmSetRes", true));
}

}  // namespace
}  // namespace zenphra::app
