#include "script/numbers.h"
#include "script/screengeometry.h"

#include "doubles/fakescreen.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class ScreenGeometry : public ::testing::Test {
protected:
    test::FakeScreen screen{15360, 11520};
};

TEST_F(ScreenGeometry, FractionsOfTheFreeSpace)
{
    EXPECT_EQ(leftAtFraction(u"0.5", u"0", screen), "7680");
    EXPECT_EQ(leftAtFraction(u"0.5", u"5160", screen), "5100");
    EXPECT_EQ(topAtFraction(u"0.5", u"2535", screen), "4492");     // floor of 4492.5
    EXPECT_EQ(leftAtFraction(u"0.75", u"20000", screen), "11520"); // too wide counts as 0
    EXPECT_EQ(leftAtFraction(u"1.5", u"0", screen), "7680");       // a bad fraction is 0.5
    EXPECT_EQ(leftAtFraction(u"-0.1", u"0", screen), "7680");
    EXPECT_EQ(widthAtFraction(u"0.72", screen), "11059");
    EXPECT_EQ(heightAtFraction(u"0.42", screen), "4838");
}

TEST_F(ScreenGeometry, ValidPlacesFallBackToHalfTheScreen)
{
    EXPECT_EQ(validLeft(u"1200", screen), "1200");
    EXPECT_EQ(validLeft(u"15360", screen), "15360");
    EXPECT_EQ(validLeft(u"15361", screen), "7680");
    EXPECT_EQ(validLeft(u"-1", screen), "7680");
    EXPECT_EQ(validTop(u"abc", screen), "0");
    EXPECT_EQ(validTop(u"20000", screen), "5760");
    EXPECT_EQ(validWidth(u"100.5", screen), "100");               // 32-bit rounding, half to even
    EXPECT_EQ(validHeight(u"11520", screen), "11520");
    EXPECT_THROW(validLeft(u"1e12", screen), NumberOverflow);
}

TEST_F(ScreenGeometry, KeepOnScreenPullsWindowsBack)
{
    EXPECT_EQ(keepLeftOnScreen(u"15000", u"2000", screen), "13360");
    EXPECT_EQ(keepLeftOnScreen(u"-300", u"2000", screen), "0");
    EXPECT_EQ(keepLeftOnScreen(u"500", u"2000", screen), "500");
    EXPECT_EQ(keepLeftOnScreen(u"0", u"20000", screen), "0");     // wider than the screen
    EXPECT_EQ(keepTopOnScreen(u"11000", u"1000", screen), "10520");
    EXPECT_EQ(keepTopOnScreen(u"", u"1000", screen), "");
    EXPECT_EQ(keepTopOnScreen(u"10", u"", screen), "");
}

TEST_F(ScreenGeometry, TheScreenIsAskedAfreshEveryTime)
{
    EXPECT_EQ(widthAtFraction(u"0.5", screen), "7680");
    screen.resize(28800, 16200);
    EXPECT_EQ(widthAtFraction(u"0.5", screen), "14400");
    EXPECT_EQ(keepLeftOnScreen(u"15000", u"2000", screen), "15000");
}

} // namespace
} // namespace qc
