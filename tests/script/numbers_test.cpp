#include "script/numbers.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qc {
namespace {

struct NumberCase {
    const char16_t* text;
    double value;
};

class NumberOfTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberOfTextTest, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(numberOfText(QString::fromUtf16(GetParam().text)), GetParam().value)
        << QString::fromUtf16(GetParam().text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberOfTextTest, ::testing::Values(
    NumberCase{u"", 0},
    NumberCase{u"abc", 0},
    NumberCase{u"12", 12},
    NumberCase{u" 1 2", 12},              // blanks ignored, even between digits
    NumberCase{u"\t3\n4", 34},            // tabs and line feeds too
    NumberCase{u"12ab", 12},
    NumberCase{u"-7.25", -7.25},
    NumberCase{u"+8", 8},
    NumberCase{u"1.2.3", 1.2},            // a second point ends the number
    NumberCase{u".5", 0.5},
    NumberCase{u"5.", 5},
    NumberCase{u"-", 0},
    NumberCase{u".", 0},
    NumberCase{u"1E3", 1000},
    NumberCase{u"2e-2", 0.02},
    NumberCase{u"1E", 1},                 // an exponent without digits is not read
    NumberCase{u"1E+", 1},
    NumberCase{u"&HFF", 255},
    NumberCase{u"&hff&", 255},
    NumberCase{u"&H0080FF&", 33023},
    NumberCase{u"&O17", 15},
    NumberCase{u"&O19", 1},               // 9 is no octal digit
    NumberCase{u"&X1", 0},
    NumberCase{u"１２", 0},               // full-width digits are not digits
    NumberCase{u"3,5", 3}                 // the point is the only decimal sign, whatever the locale
));

TEST(NumberOfText, HugeExponentReadsAsInfinity)
{
    EXPECT_TRUE(std::isinf(numberOfText(u"1e999999")));
    EXPECT_EQ(numberOfText(u"1e-999999"), 0.0);
}

struct RoundCase {
    double value;
    int expected;
};

class ToInt16Test : public ::testing::TestWithParam<RoundCase> {};

TEST_P(ToInt16Test, RoundsHalfToEven)
{
    EXPECT_EQ(toInt16(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, ToInt16Test, ::testing::Values(
    RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2}, RoundCase{-3.5, -4},
    RoundCase{0.5, 0}, RoundCase{1.5, 2}, RoundCase{2.4999, 2}, RoundCase{2.5001, 3},
    RoundCase{-0.4, 0}, RoundCase{32767, 32767}, RoundCase{-32768, -32768},
    RoundCase{32767.4, 32767}, RoundCase{-32768.5, -32768}
));

TEST(ToInt16, OverflowIsAnErrorTheCallerCanHandle)
{
    for (double bad : std::initializer_list<double>{32767.5, 32768.0, -32769.0, 40000.0, -1e300, INFINITY, NAN})
        EXPECT_THROW(toInt16(bad), NumberOverflow) << bad;
}

TEST(ToInt32, RoundsHalfToEvenWithinItsRange)
{
    EXPECT_EQ(toInt32(100000.5), 100000);
    EXPECT_EQ(toInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_THROW(toInt32(2147483648.0), NumberOverflow);
    EXPECT_THROW(toInt32(1e20), NumberOverflow);
}

TEST(RealText, IsTheShortestForm)
{
    EXPECT_EQ(realText(1.5), "1.5");
    EXPECT_EQ(realText(2.0), "2");
    EXPECT_EQ(realText(-0.0), "0");
    EXPECT_EQ(realText(-12.25), "-12.25");
    EXPECT_EQ(realText(0.1), "0.1");
    EXPECT_DOUBLE_EQ(numberOfText(realText(1e20)), 1e20);
}

} // namespace
} // namespace qc
