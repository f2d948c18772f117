#include "shell/splashlogic.h"

#include "doubles/fakescreen.h"
#include "platform/steppedtimers.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class FakeSplashView : public SplashView {
public:
    WindowRect rect() const override { return place; }
    void moveTo(int left, int top) override
    {
        place.left = left;
        place.top = top;
    }
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    void showWindow() override {}
    void hideWindow() override {}
    WindowRect place{0, 0, 4801, 2701};
    WindowState state = WindowState::Normal;
};

class SplashTest : public ::testing::Test {
protected:
    test::FakeScreen screen{15360, 11520};
    SteppedTimers timers;
    FakeSplashView view;
    QStringList events;
    SplashLogic logic{view, screen, timers,
                      {[this] { events << "end"; }, [this] { events << "unload"; },
                       [this](bool minimised) { events << (minimised ? "start minimised" : "start"); }}};
};

TEST_F(SplashTest, CentredThenStartsAfterTwoSeconds)
{
    logic.onLoad();
    EXPECT_EQ(view.place.left, 5279);
    EXPECT_EQ(view.place.top, 4409);
    ASSERT_EQ(timers.timers().size(), 1u);
    EXPECT_EQ(timers.timers()[0]->intervalMs(), 2000);
    EXPECT_TRUE(events.isEmpty());
    timers.tickAll();
    EXPECT_EQ(events, QStringList({"unload", "start"}));
    timers.tickAll();   // fires once only
    EXPECT_EQ(events.size(), 2);
}

TEST_F(SplashTest, AMinimisedSplashIsPassedOnAndAMaximisedOneUndone)
{
    view.state = WindowState::Maximized;
    logic.onShown();
    EXPECT_EQ(view.state, WindowState::Normal);
    logic.onLoad();
    view.state = WindowState::Minimized;
    timers.tickAll();
    EXPECT_EQ(events.last(), "start minimised");
}

TEST_F(SplashTest, EscEndsAtOnce)
{
    logic.onLoad();
    EXPECT_FALSE(logic.onKeyPress(u'c'));
    EXPECT_TRUE(logic.onKeyPress(QChar(27)));
    timers.tickAll();
    EXPECT_EQ(events, QStringList({"end"}));
}

} // namespace
} // namespace qc
