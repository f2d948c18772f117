#include "script/numbers.h"
#include "script/texthelpers.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

struct ClampCase {
    const char16_t* value;
    const char16_t* min;
    const char16_t* max;
    const char16_t* defaultValue;
    const char16_t* expected;
};

void PrintTo(const ClampCase& c, std::ostream* os)
{
    *os << QString::fromUtf16(c.value).toStdString() << " in " << QString::fromUtf16(c.min).toStdString()
        << ".." << QString::fromUtf16(c.max).toStdString() << " default "
        << QString::fromUtf16(c.defaultValue).toStdString();
}

class ClampIntTextTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampIntTextTest, ChecksTheRange)
{
    const ClampCase& c = GetParam();
    EXPECT_EQ(clampIntText(QString::fromUtf16(c.value), QString::fromUtf16(c.min),
                           QString::fromUtf16(c.max), QString::fromUtf16(c.defaultValue)),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, ClampIntTextTest, ::testing::Values(
    ClampCase{u"", u"8", u"72", u"20", u"20"},
    ClampCase{u"100", u"8", u"72", u"20", u"20"},
    ClampCase{u"7.5", u"8", u"72", u"20", u"8"},       // rounded to 8 first, which is in range
    ClampCase{u"72.5", u"8", u"72", u"20", u"72"},     // half to even
    ClampCase{u"8.5", u"8", u"72", u"20", u"8"},
    ClampCase{u"abc", u"8", u"72", u"20", u"20"},      // reads as 0, below 8
    ClampCase{u"abc", u"0", u"72", u"20", u"0"},
    ClampCase{u" 12", u"8", u"72", u"20", u"12"},      // stored as the rounded integer
    ClampCase{u"4", u"5", u"3", u"4", u"5"},           // max below min becomes min; default out of range becomes min
    ClampCase{u"5", u"5", u"3", u"5", u"5"},
    ClampCase{u"1", u"0", u"1", u"9", u"1"},
    ClampCase{u"2", u"0", u"1", u"9", u"0"},           // a default out of range becomes min
    ClampCase{u"reset", u"-200", u"200", u"reset", u"reset"},
    ClampCase{u"300", u"-200", u"200", u"reset", u"reset"},
    ClampCase{u"12.5", u"-200", u"200", u"reset", u"12.5"},  // not rounded with the default "reset"
    ClampCase{u"xyz", u"-200", u"200", u"reset", u"xyz"},    // reads 0, in range: returned as written
    ClampCase{u"reset", u"0", u"1", u"0", u"0"}               // "reset" is only kept with the default "reset"
));

TEST(ClampIntText, NumbersBeyondSixteenBitsAreAnError)
{
    EXPECT_THROW(clampIntText(QStringLiteral("40000"), u"8", u"72", QStringLiteral("20")), NumberOverflow);
    EXPECT_THROW(clampIntText(QStringLiteral("1"), u"0", u"99999", QStringLiteral("0")), NumberOverflow);
}

class ClampRealTextTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampRealTextTest, ChecksTheRangeWithDecimals)
{
    const ClampCase& c = GetParam();
    EXPECT_EQ(clampRealText(QString::fromUtf16(c.value), QString::fromUtf16(c.min),
                            QString::fromUtf16(c.max), QString::fromUtf16(c.defaultValue)),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, ClampRealTextTest, ::testing::Values(
    ClampCase{u"1.50", u"0", u"10", u"5", u"1.5"},
    ClampCase{u"2.0", u"0", u"10", u"5", u"2"},
    ClampCase{u"10.5", u"0", u"10", u"5", u"5"},
    ClampCase{u"50.25", u"-100", u"200", u"reset", u"50.25"},
    ClampCase{u"250", u"-100", u"200", u"reset", u"reset"},
    ClampCase{u"-100", u"-100", u"200", u"reset", u"-100"},
    ClampCase{u"0.5", u"1", u"100", u"reset", u"reset"},
    ClampCase{u"", u"1", u"100", u"reset", u"reset"}
));

TEST(SmallTextHelpers, LeadingDigits)
{
    EXPECT_EQ(leadingDigits(u"12ab"), "12");
    EXPECT_EQ(leadingDigits(u"a12"), "");
    EXPECT_EQ(leadingDigits(u""), "");
    EXPECT_EQ(leadingDigits(QString(30, u'7')), QString(20, u'7'));  // first 20 characters only
}

TEST(SmallTextHelpers, LimitLength)
{
    EXPECT_EQ(limitLength(QStringLiteral("abcdef"), 3), "abc");
    EXPECT_EQ(limitLength(QStringLiteral("abc"), 3), "abc");
    EXPECT_EQ(limitLength(QString(60, u'x'), 0), QString(50, u'x'));    // n out of range means 50
    EXPECT_EQ(limitLength(QString(300, u'x'), 256), QString(50, u'x'));
    EXPECT_EQ(limitLength(QString(300, u'x'), 255), QString(255, u'x'));
    EXPECT_EQ(limitLength(QStringLiteral("表示テキスト"), 2), "表示");
    // A cut in the middle of a surrogate pair would leave half a character.
    EXPECT_EQ(limitLength(QStringLiteral("ab😀c"), 3), "ab");
}

TEST(SmallTextHelpers, StripOuterQuotes)
{
    EXPECT_EQ(stripOuterQuotes(QStringLiteral("\"title\"")), "title");
    EXPECT_EQ(stripOuterQuotes(QStringLiteral("\"open")), "open");
    EXPECT_EQ(stripOuterQuotes(QStringLiteral("close\"")), "close");
    EXPECT_EQ(stripOuterQuotes(QStringLiteral("\"")), "\"");   // one character stays
    EXPECT_EQ(stripOuterQuotes(QStringLiteral("\"\"")), "");
    EXPECT_EQ(stripOuterQuotes(QStringLiteral("\"\"\"")), "\"");
}

TEST(SmallTextHelpers, FormatDecimals)
{
    EXPECT_EQ(formatDecimals(u"3.14159", u"2"), "3.14");
    EXPECT_EQ(formatDecimals(u"3.1", u"3"), "3.1");       // trailing zeros dropped
    EXPECT_EQ(formatDecimals(u"2.999", u"2"), "3.0");     // but one decimal kept
    EXPECT_EQ(formatDecimals(u"5", u"2"), "5");           // whole numbers plain
    EXPECT_EQ(formatDecimals(u"7.9", u"0"), "7");         // no decimals: the integer below
    EXPECT_EQ(formatDecimals(u"-7.1", u"-3"), "-8");
    EXPECT_EQ(formatDecimals(u"0.123456789123", u"20"), "0.123456789");  // at most 9
    EXPECT_THROW(formatDecimals(u"1.5", u"70000"), NumberOverflow);
}

TEST(SmallTextHelpers, FlagsAndNul)
{
    EXPECT_TRUE(positiveToBool(u"1"));
    EXPECT_TRUE(positiveToBool(u"0.6"));
    EXPECT_FALSE(positiveToBool(u"0.5"));  // rounds to 0
    EXPECT_FALSE(positiveToBool(u"-3"));
    EXPECT_FALSE(positiveToBool(u"x"));
    EXPECT_THROW(positiveToBool(u"99999"), NumberOverflow);
    EXPECT_EQ(trueToOne(true), 1);
    EXPECT_EQ(trueToOne(false), 0);
    EXPECT_EQ(trueToOne(-1.0), 1);
    EXPECT_EQ(trueToOne(0.0), 0);
    EXPECT_EQ(cutAtNul(QStringLiteral("playing") + QChar(u'\0') + QStringLiteral("junk")), "playing");
    EXPECT_EQ(cutAtNul(QStringLiteral("stopped")), "stopped");
}

TEST(SmallTextHelpers, ResetWordInAnyCase)
{
    EXPECT_TRUE(isResetWord(u"reset"));
    EXPECT_TRUE(isResetWord(u"RESET"));
    EXPECT_TRUE(isResetWord(u"ReSeT"));
    EXPECT_FALSE(isResetWord(u"reset "));
    EXPECT_FALSE(isResetWord(u""));
}

} // namespace
} // namespace qc
