// Numbers from text: "." is the decimal point whatever the locale, and only plain decimal forms count.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "zenphra.h"

namespace {

double Read(const char* text) {
    double value = -999;
    StringToDouble(text, &value);
    return value;
}

TEST(StringToDouble, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(Read("  -1.5e3xyz"), -1500.0);
    EXPECT_EQ(Read("1,5"), 1.0);
    EXPECT_EQ(Read("+2.5E+2"), 250.0);
    EXPECT_EQ(Read(".5"), 0.5);
    EXPECT_EQ(Read("5."), 5.0);
    EXPECT_EQ(Read("\t\n 7"), 7.0);
    EXPECT_EQ(Read("1.5e3.7"), 1500.0);
    EXPECT_EQ(Read("1e"), 1.0);
    EXPECT_EQ(Read("1e+"), 1.0);
    EXPECT_EQ(Read("0.1"), 0.1);
    EXPECT_EQ(Read("-0.74364388703715100000"), -0.743643887037151);
    EXPECT_EQ(Read("3.14159265358979323846264338327950288"), 3.141592653589793);
    EXPECT_EQ(Read("0.00000000000000000000000000000000000000000000000000000000000000001e65"), 1.0);
}

TEST(StringToDouble, TextWithoutANumberGivesZero) {
    for (const char* text :
         {"", "   ", "-", "+", ".", "-.e5", "e5", "abc", "nan", "inf", "infinity", "0x10"}) {
        EXPECT_EQ(Read(text), 0.0) << '"' << text << '"';
    }
    double value = -1;
    StringToDouble(nullptr, &value);
    EXPECT_EQ(value, 0.0);
    StringToDouble("1", nullptr);  // nowhere to store: nothing happens
}

TEST(StringToDouble, KeepsSignAndRangeOfTheDouble) {
    EXPECT_TRUE(std::signbit(Read("-0")));
    EXPECT_EQ(Read("1e400"), HUGE_VAL);
    EXPECT_EQ(Read("-1e99999999999"), -HUGE_VAL);
    EXPECT_EQ(Read("1e-400"), 0.0);
    EXPECT_EQ(Read("4.9406564584124654e-324"), 4.9406564584124654e-324);
}

TEST(StringToDouble, IgnoresTheLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(Read("1.25"), 1.25);
    EXPECT_EQ(Read("1,25"), 1.0);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
