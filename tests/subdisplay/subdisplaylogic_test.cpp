#include "subdisplay/subdisplaylogic.h"

#include "subdisplayrig.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qc {
namespace {

using test::FakeSubDisplayView;

// One sub display window's own rules, over the real presentation.
class SubDisplayWindow : public ::testing::Test, protected test::SubDisplayRig {
protected:
    SubDisplayWindow() : SubDisplayRig({"A"}) {}

    // Opens sub display `id` through a script step with the parameters given.
    void open(const QString& parameters, int id = 0)
    {
        files.put(QStringLiteral("/show/s.txt"),
                  {QStringLiteral("@qc-subset id=\"%1\" show=\"1\" %2").arg(id).arg(parameters), "A"});
        script.load();
        engine.startRun(controller);
        nextAndPause();
        ASSERT_TRUE(view(id));
    }

    const int wtw = settings.winTuneWidth;
    const int wth = settings.winTuneHeight;
};

TEST_F(SubDisplayWindow, StaysBetweenTheSmallestSizeAndNinetyFivePercentOfTheScreen)
{
    open({});
    FakeSubDisplayView& v = *view(0);
    const struct {
        int width;
        int height;
        int keptWidth;
        int keptHeight;
    } cases[] = {
        {100, 100, 2000, 1500}, {20000, 20000, 14592, 10944}, {5000, 1000, 5000, 1500}, {4000, 3000, 4000, 3000},
    };
    for (const auto& c : cases) {
        logic(0)->resizeWindow(c.width, c.height);
        EXPECT_EQ(v.rect().width, c.keptWidth) << c.width << "x" << c.height;
        EXPECT_EQ(v.rect().height, c.keptHeight) << c.width << "x" << c.height;
    }
}

TEST_F(SubDisplayWindow, TextAndPictureAreCentredAboveTheCaptionBand)
{
    open("text=\"Hello\" caption=\"Cap\"");
    FakeSubDisplayView& v = *view(0);
    logic(0)->resizeWindow(8000, 6000);
    // The caption (3 x 200 by 400) sits on the bottom edge, centred; its band is 400 + 200.
    EXPECT_EQ(v.caption.left, (8000 - 600 - wtw) / 2 + 50);
    EXPECT_EQ(v.caption.top, 6000 - 400 - wth);
    EXPECT_EQ(logic(0)->layout().captionBandHeight, 600);
    // The text (5 x 200 by 400) is centred in the area above the band.
    EXPECT_EQ(v.text.left, (8000 - 1000 - wtw) / 2 + 50);
    EXPECT_EQ(v.text.top, (6000 - 400 - 600 - wth) / 2 + 50);
    // Halves go to the even neighbour.
    EXPECT_EQ(v.area.left, int(std::nearbyint((8000 - v.area.width - wtw) / 2.0)) + 50);
    EXPECT_TRUE(v.caption.visible);
    EXPECT_TRUE(v.text.visible);
}

TEST_F(SubDisplayWindow, ALongCaptionStartsAtTheMarginAndNeverRisesAboveTheTop)
{
    open("caption=\"" + QString(90, u'w') + "\"");
    FakeSubDisplayView& v = *view(0);
    // 90 characters of 200 twips do not fit even the largest window.
    EXPECT_EQ(v.rect().width, 14592);
    EXPECT_EQ(v.caption.left, 50);
    v.caption.font.points = 200;   // a caption taller than the window
    logic(0)->nudge();
    EXPECT_EQ(v.caption.top, 0);
}

TEST_F(SubDisplayWindow, MaximisingRestoresAndMinimisedLeavesTheLayoutAlone)
{
    open("text=\"Hello\"");
    FakeSubDisplayView& v = *view(0);
    const int textLeft = v.text.left;
    v.state = WindowState::Maximized;
    logic(0)->onResize();
    EXPECT_EQ(v.state, WindowState::Normal);
    v.state = WindowState::Minimized;
    v.resizeTo(100, 100);
    logic(0)->onResize();
    EXPECT_EQ(v.rect().width, 100);
    EXPECT_EQ(v.text.left, textLeft);
}

TEST_F(SubDisplayWindow, TheCloseBoxForgetsEverythingAndTheNextOpeningStartsAfresh)
{
    open("text=\"Hello\" left=\"50\" width=\"50\" title=\"Mine\"");
    EXPECT_EQ(applied(0)[subslot::Text], "Hello");
    registry.unloadByName("frmSb00");            // the close box
    EXPECT_FALSE(view(0));
    EXPECT_EQ(windows.subShowState(0), 0);
    EXPECT_EQ(applied(0)[subslot::Text], "");
    EXPECT_EQ(applied(0)[subslot::Title], "");
    EXPECT_FALSE(presentation.subDisplays().window(0));

    open({});
    EXPECT_EQ(view(0)->rect().left, 153);
    EXPECT_EQ(view(0)->rect().width, 3763);
    EXPECT_EQ(view(0)->title, "サブ表示０");
}

TEST_F(SubDisplayWindow, ClickingRestoresTheNaturalSizeButTheCaptionOnlyPullsItOnScreen)
{
    open("text=\"Hello\"");
    FakeSubDisplayView& v = *view(0);
    v.resizeTo(9000, 7000);
    v.moveTo(-500, 300);
    logic(0)->onCaptionClick();
    EXPECT_EQ(v.rect().width, 9000);
    EXPECT_EQ(v.rect().left, 0);
    v.moveTo(-500, 300);
    logic(0)->onClick();
    EXPECT_EQ(v.rect().width, logic(0)->subDisplayWidth());
    EXPECT_EQ(v.rect().height, logic(0)->subDisplayHeight());
    EXPECT_EQ(v.rect().left, 0);
}

TEST_F(SubDisplayWindow, SlashAndLowerCaseCBringThePresentationToTheFront)
{
    open({});
    loader.log.clear();
    EXPECT_FALSE(logic(0)->onKeyPress(u'C'));
    EXPECT_TRUE(loader.log.isEmpty());
    for (const QChar key : {QChar(u'/'), QChar(u'c')}) {
        loader.log.clear();
        EXPECT_TRUE(logic(0)->onKeyPress(key));
        EXPECT_EQ(loader.log, QStringList({"frmMi02.restore", "frmMi02.show", "frmMi01.restore", "frmMi01.show"}));
    }
    EXPECT_EQ(windows.frontWindow(), FrontWindow::Controller);
}

TEST_F(SubDisplayWindow, EscQuitsThroughTheMainWindowWithEverySubDisplayClosed)
{
    open({}, 3);
    open({}, 1);
    windows.openMainWindow();
    loader.log.clear();
    EXPECT_TRUE(logic(3)->onKeyPress(QChar(27)));
    EXPECT_TRUE(flags.quitting);
    EXPECT_FALSE(view(1));
    EXPECT_FALSE(view(3));
    const qsizetype sub3 = loader.log.indexOf("frmSb03.close");
    const qsizetype sub1 = loader.log.indexOf("frmSb01.close");
    ASSERT_GE(sub3, 0);
    EXPECT_LT(sub3, sub1);                        // the last sub display first
    EXPECT_TRUE(loader.log.contains("frmMi00.close"));
}

} // namespace
} // namespace qc
