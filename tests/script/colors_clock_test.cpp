#include "script/clocktext.h"
#include "script/colors.h"

#include "doubles/fakeclock.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(NormalizeColorText, PadsChecksAndFallsBack)
{
    const struct {
        const char16_t* text;
        ColorKind kind;
        const char* expected;
    } cases[] = {
        {u"ff8000", ColorKind::Text, "FF8000"},
        {u"abc", ColorKind::Text, "000ABC"},
        {u"F00", ColorKind::Text, "000F00"},
        {u"ff", ColorKind::Background, "0000FF"},
        {u"12345G", ColorKind::Text, "000000"},
        {u"12345G", ColorKind::Background, "FFFFFF"},
        {u"", ColorKind::Text, "000000"},
        {u"", ColorKind::Background, "FFFFFF"},
        {u"1234567", ColorKind::Text, "123456"},   // first six kept
        {u"12 456", ColorKind::Text, "000000"},
        {u"ＡＢＣＤＥＦ", ColorKind::Text, "000000"},
        {u"\uFB00", ColorKind::Text, "000000"},          // a ligature is no hex digit, in any case
    };
    for (const auto& c : cases)
        EXPECT_EQ(normalizeColorText(QString::fromUtf16(c.text), c.kind), c.expected)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(RgbToBgrText, ReordersThePairs)
{
    EXPECT_EQ(rgbToBgrText(u"FF8000"), "0080FF");
    EXPECT_EQ(rgbToBgrText(u"F00"), "000F00");        // padded first: 000F00
    EXPECT_EQ(rgbToBgrText(u"12345678"), "785634");   // last six kept
    EXPECT_EQ(colorNumberOfText(u"FF8000"), 0x0080FFu);
    EXPECT_EQ(colorNumberOfText(u"FFFFFF"), 0xFFFFFFu);
}

TEST(ValidClockText, AcceptsOnlyTimesOfDay)
{
    EXPECT_EQ(validClockText(u"23:59:59"), "23:59:59");
    EXPECT_EQ(validClockText(u"00:00:00"), "00:00:00");
    for (const char16_t* bad : {u"24:00:00", u"12:60:00", u"12:00:60", u"1:00:00", u"12-00-00",
                                u"12:00:0a", u"12:00:000", u""})
        EXPECT_EQ(validClockText(bad), "") << QString::fromUtf16(bad).toStdString();
}

TEST(MinutesSinceClock, CountsMinuteBoundariesAcrossMidnight)
{
    test::FakeClock clock(QTime(0, 0, 30));
    EXPECT_EQ(minutesSinceClock(u"23:59:10", clock), "1");
    clock.set(QTime(0, 1, 0));
    EXPECT_EQ(minutesSinceClock(u"23:59:59", clock), "2");
    clock.set(QTime(10, 1, 0));
    EXPECT_EQ(minutesSinceClock(u"10:00:59", clock), "1");   // seconds are not counted
    EXPECT_EQ(minutesSinceClock(u"10:01:00", clock), "0");
    clock.set(QTime(11, 0, 0));
    EXPECT_EQ(minutesSinceClock(u"10:00:00", clock), "60");
    EXPECT_EQ(minutesSinceClock(u"garbage", clock), "");
}

TEST(ClockText, FormatsTwoDigitFields)
{
    const test::FakeClock clock(QTime(7, 5, 3));
    EXPECT_EQ(clockText(clock), "07:05:03");
}

} // namespace
} // namespace qc
