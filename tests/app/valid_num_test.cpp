#include "app/common/valid_num.h"

#include <QLocale>
#include <clocale>

#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

class ValidNumTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(BindEngineBesideTest()); }
};

TEST_F(ValidNumTest, FormatNumUsesPointAndNoGroupingUnderGermanLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    EXPECT_EQ(FormatNum(-0.75, 20), "-0.75000000000000000000");
    EXPECT_EQ(FormatNum(1234567.5, 6), "1234567.500000");
    EXPECT_EQ(FormatNum(0.1, 6), "0.100000");
    EXPECT_EQ(StrToDbl("1234567.5"), 1234567.5);

    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
}

TEST_F(ValidNumTest, FormatNumRoundsAndDropsTheSignOfAShownZero) {
    EXPECT_EQ(FormatNum(2.5, 0), "2");
    EXPECT_EQ(FormatNum(0.0000004, 6), "0.000000");
    EXPECT_EQ(FormatNum(-0.0000004, 6), "0.000000");
    EXPECT_EQ(FormatNum(-0.0000006, 6), "-0.000001");
}

TEST_F(ValidNumTest, ParseNumberTakesOnlyTextThatIsANumber) {
    EXPECT_EQ(ParseNumber(u" -2.5 "), -2.5);
    EXPECT_EQ(ParseNumber(u".5"), 0.5);
    EXPECT_EQ(ParseNumber(u"1e3"), 1000.0);
    EXPECT_FALSE(ParseNumber(u""));
    EXPECT_FALSE(ParseNumber(u"abc"));
    EXPECT_FALSE(ParseNumber(u"1.5x"));
    EXPECT_FALSE(ParseNumber(u"1,5"));
    EXPECT_FALSE(ParseNumber(u"1e999"));  // beyond a double
}

TEST(KeyFilterTest, WholeNumbersTakeDigitsAndBackspaceOnly) {
    EXPECT_EQ(ValidIntKey('7', "12"), '7');
    EXPECT_EQ(ValidIntKey(kBackspaceKey, "12"), kBackspaceKey);
    EXPECT_EQ(ValidIntKey('-', ""), 0);
    EXPECT_EQ(ValidIntKey('.', ""), 0);
    EXPECT_EQ(ValidIntKey('e', ""), 0);
}

TEST(KeyFilterTest, DecimalsTakeOnePointAndSignedOnesAMinusAnywhere) {
    EXPECT_EQ(ValidSignedKey('.', "0"), '.');
    EXPECT_EQ(ValidSignedKey('.', "0.5"), 0);
    EXPECT_EQ(ValidSignedKey('-', "0.5"), '-');  // refused only by the check at Plot
    EXPECT_EQ(ValidSignedKey(',', "0"), 0);
    EXPECT_EQ(ValidUnsignedKey('.', "3"), '.');
    EXPECT_EQ(ValidUnsignedKey('.', "3."), 0);
    EXPECT_EQ(ValidUnsignedKey('-', ""), 0);
    EXPECT_EQ(ValidUnsignedKey('4', "3."), '4');
    // The magnification also takes an exponent; a malformed one is refused by the check at Plot.
    for (const int key : {'e', 'E', '+', '-', '7'}) EXPECT_EQ(ValidMagnifyKey(key, "6.75"), key);
    EXPECT_EQ(ValidMagnifyKey('.', "6.75"), 0);
    EXPECT_EQ(ValidMagnifyKey('x', "6"), 0);
}

TEST(ValidCharsTest, RefusesEmptyMisplacedMinusAndSecondPoint) {
    const QString signedChars = QStringLiteral("0123456789.-");
    EXPECT_TRUE(ValidChars("-0.75", signedChars));
    EXPECT_FALSE(ValidChars(QString("   ").trimmed(), signedChars));
    EXPECT_FALSE(ValidChars("0.5-", signedChars));
    EXPECT_FALSE(ValidChars("1.2.3", signedChars));
    EXPECT_FALSE(ValidChars("-1", "0123456789."));
    EXPECT_EQ(InvalidValueMessage("Max. Iters"), "The value for Max. Iters is invalid.");
}

}  // namespace
}  // namespace zenphra::app
