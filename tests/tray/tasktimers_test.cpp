#include "tray/trayrig.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using test::TrayRig;

class TaskTimersTest : public ::testing::Test {
protected:
    int refreshes() const { return int(rig.tray.calls.filter(QStringLiteral("modify")).size()); }

    TrayRig rig;
};

TEST_F(TaskTimersTest, WithoutARefreshModeTheIconComesButNoTimerRuns)
{
    rig.useTray(0);
    rig.taskTimers.start();
    EXPECT_TRUE(rig.tray.shown);
    EXPECT_TRUE(rig.flags.trayIconAdded);
    EXPECT_FALSE(rig.anyTimerRunning());
    EXPECT_EQ(rig.taskTimers.minutesLeft(), 0);
}

TEST_F(TaskTimersTest, RefreshModePutsTheIconUpAgainEverySixtyMinutes)
{
    rig.useTray(1);
    rig.taskTimers.start();
    EXPECT_EQ(rig.taskTimers.minutesLeft(), 60);
    EXPECT_EQ(rig.taskTimers.startTime(), "10:00:00");
    for (int minute = 1; minute < 60; ++minute)
        rig.minuteLater();
    EXPECT_EQ(refreshes(), 0);
    rig.minuteLater();
    EXPECT_EQ(refreshes(), 1);
    EXPECT_EQ(rig.taskTimers.minutesLeft(), 60);
    EXPECT_EQ(rig.taskTimers.startTime(), "11:00:00");
    EXPECT_TRUE(rig.tray.shown);
}

TEST_F(TaskTimersTest, RepeatModeTakesTheIconAwayAndAddsItAgainTwoSecondsLater)
{
    rig.useTray(2);
    rig.taskTimers.start();
    for (int minute = 1; minute < 60; ++minute)
        rig.minuteLater();
    EXPECT_TRUE(rig.tray.shown);
    rig.minuteLater();
    EXPECT_FALSE(rig.tray.shown);
    EXPECT_FALSE(rig.flags.trayIconAdded);
    EXPECT_EQ(rig.taskTimers.startTime(), "");

    rig.timers.tickAll();  // the two-second restart
    EXPECT_TRUE(rig.tray.shown);
    EXPECT_EQ(rig.taskTimers.minutesLeft(), 60);
    EXPECT_EQ(rig.taskTimers.startTime(), "11:00:00");
    EXPECT_EQ(rig.tray.calls, QStringList({"add Quillcast", "remove", "add Quillcast"}));
}

struct GapCase {
    const char* name;
    QTime later;  // the clock at the first tick after a 10:00 start
    bool actsAtOnce;
};

void PrintTo(const GapCase& c, std::ostream* os)
{
    *os << c.name;
}

class ClockGaps : public TaskTimersTest, public ::testing::WithParamInterface<GapCase> {};

// More than 65 minutes by the clock since the count started: the machine slept or the clock
// jumped, and the icon is refreshed at the first tick.
TEST_P(ClockGaps, TheFirstTickActsAtOnceAfterAGapOfMoreThan65Minutes)
{
    rig.useTray(1);
    rig.taskTimers.start();
    rig.clock.set(GetParam().later);
    rig.timers.tickAll();
    EXPECT_EQ(refreshes(), GetParam().actsAtOnce ? 1 : 0);
    EXPECT_EQ(rig.taskTimers.minutesLeft(), GetParam().actsAtOnce ? 60 : 59);
}

INSTANTIATE_TEST_SUITE_P(Gaps, ClockGaps,
                         ::testing::Values(GapCase{"AMinute", QTime(10, 1, 0), false},
                                           GapCase{"SixtyFiveMinutes", QTime(11, 5, 0), false},
                                           GapCase{"SixtySixMinutes", QTime(11, 6, 0), true},
                                           GapCase{"ThreeHoursAsleep", QTime(13, 0, 0), true},
                                           GapCase{"AcrossMidnight", QTime(9, 59, 0), true},
                                           GapCase{"ClockPutBackAnHour", QTime(9, 0, 0), true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TaskTimersTest, ATimerStopsByItselfOnceTheTraySettingIsOff)
{
    rig.useTray(2);
    rig.taskTimers.start();
    rig.settings.setInteger(SettingKey::TaskUse, 0);
    rig.minuteLater();
    EXPECT_FALSE(rig.anyTimerRunning());
    EXPECT_EQ(rig.taskTimers.minutesLeft(), 0);
    EXPECT_EQ(rig.taskTimers.startTime(), "");
}

TEST_F(TaskTimersTest, StopEndsTheCountAndTakesTheIconAway)
{
    rig.useTray(1);
    rig.taskTimers.start();
    rig.taskTimers.stop();
    EXPECT_FALSE(rig.anyTimerRunning());
    EXPECT_FALSE(rig.tray.shown);
    EXPECT_FALSE(rig.flags.trayIconAdded);
    EXPECT_EQ(rig.taskTimers.startTime(), "");
}

TEST_F(TaskTimersTest, AWindowBackFromTheTrayShortensTheWaitToTheNextTick)
{
    rig.useTray(1);
    rig.taskTimers.start();
    rig.minuteLater();
    rig.taskTimers.shortenWait();
    rig.minuteLater();
    EXPECT_EQ(refreshes(), 1);
}

TEST_F(TaskTimersTest, ADesktopWithoutATrayGetsNoIcon)
{
    rig.tray.available = false;
    rig.useTray(1);
    rig.taskTimers.start();
    EXPECT_TRUE(rig.tray.calls.isEmpty());
    EXPECT_FALSE(rig.flags.trayIconAdded);
    for (int minute = 0; minute < 60; ++minute)
        rig.minuteLater();
    EXPECT_TRUE(rig.tray.calls.isEmpty()) << "nothing to refresh";
}

} // namespace
} // namespace qc
