#include "platform/steppedtimers.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(SteppedTimers, TickOnlyWhenEnabledAndToldTo)
{
    SteppedTimers timers;
    int ticks = 0;
    std::unique_ptr<Timer> timer = timers.create(250, [&] { ++ticks; });
    EXPECT_FALSE(timer->isEnabled());
    timers.tickAll();
    EXPECT_EQ(ticks, 0);
    timer->setEnabled(true);
    timers.tickAll();
    timers.tickAll();
    EXPECT_EQ(ticks, 2);
}

TEST(SteppedTimers, TimePassesUntilEveryTimerHasStopped)
{
    SteppedTimers timers;
    int left = 3;
    std::unique_ptr<Timer> timer;
    timer = timers.create(250, [&] {
        if (--left == 0)
            timer->setEnabled(false);
    });
    timer->setEnabled(true);
    timers.letTimePass();
    EXPECT_EQ(left, 0);
    EXPECT_FALSE(timer->isEnabled());

    int foreverTicks = 0;
    std::unique_ptr<Timer> forever = timers.create(1000, [&] { ++foreverTicks; });
    forever->setEnabled(true);
    timers.letTimePass();   // a timer that never stops does not hold the caller forever
    EXPECT_GT(foreverTicks, 0);
    EXPECT_LE(foreverTicks, 8);
}

TEST(SteppedTimers, AGoneTimerIsForgotten)
{
    SteppedTimers timers;
    {
        std::unique_ptr<Timer> timer = timers.create(250, [] {});
        EXPECT_EQ(timers.timers().size(), 1u);
    }
    EXPECT_TRUE(timers.timers().empty());
    timers.tickAll();
}

// As with real timers: one started by another's tick waits for its own interval, and one
// destroyed by another's tick does not tick.
TEST(SteppedTimers, ATimerStartedOrDestroyedInARoundDoesNotTickInIt)
{
    SteppedTimers timers;
    int laterTicks = 0;
    std::unique_ptr<Timer> later = timers.create(1000, [&] { ++laterTicks; });
    std::unique_ptr<Timer> gone;
    std::unique_ptr<Timer> starter = timers.create(1000, [&] {
        later->setEnabled(true);
        gone.reset();
    });
    bool goneTicked = false;
    gone = timers.create(1000, [&] { goneTicked = true; });
    gone->setEnabled(true);
    starter->setEnabled(true);

    timers.tickAll();
    EXPECT_EQ(laterTicks, 0);
    EXPECT_FALSE(goneTicked);
    timers.tickAll();
    EXPECT_EQ(laterTicks, 1);
}

} // namespace
} // namespace qc
