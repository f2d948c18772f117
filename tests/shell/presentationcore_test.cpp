#include "presentation/lookreporter.h"

#include "doubles/presentationrig.h"
#include "doubles/recordingstepports.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

// The presentation as the program puts it together, followed from outside.
class PresentationCoreTest : public ::testing::Test, protected test::PresentationRig {
protected:
    explicit PresentationCoreTest(const QStringList& lines = {"'qc-header H", "A",
                                                               "@qc-set bold=\"1\" forecolor=\"ff0000\"", "",
                                                               "B", "@qc-set bold=\"1\"", "",
                                                               "@qc-subset id=\"1\" show=\"1\"", "C"})
        : PresentationRig(lines)
    {
        presentation.subscribe(observer);
        engine.startRun(controller);
    }

    void nextAndPause()
    {
        engine.next();
        timers.tickAll();
        timers.tickAll();
    }

    QStringList stepLog;
    test::RecordingController controller{stepLog, true};
    test::RecordingObserver observer;
};

TEST_F(PresentationCoreTest, ObserversHearOfLookChangesOnlyWhenTheLookChanges)
{
    const DisplayLook opened = settingsLook(settings);
    EXPECT_EQ(presentation.look(), opened);

    nextAndPause();
    ASSERT_EQ(observer.looks.size(), 2u);     // bold, then the colour
    EXPECT_TRUE(observer.looks[0].bold);
    EXPECT_EQ(observer.looks[0].foreColor, opened.foreColor);
    EXPECT_EQ(observer.looks[1].foreColor, "FF0000");
    EXPECT_EQ(presentation.look(), observer.looks[1]);

    nextAndPause();                           // bold again: nothing changes
    EXPECT_EQ(observer.looks.size(), 2u);

    engine.top();                             // the look back to the settings
    EXPECT_EQ(presentation.look(), opened);
    EXPECT_EQ(observer.looks.back(), opened);
}

TEST_F(PresentationCoreTest, ANewRunStartsFromTheSettingsLook)
{
    nextAndPause();
    ASSERT_NE(presentation.look(), settingsLook(settings));
    engine.endRun();
    engine.startRun(controller);
    EXPECT_EQ(presentation.look(), settingsLook(settings));
    EXPECT_EQ(observer.events, QStringList({"runStarted", "runEnded", "runStarted"}));
}

TEST_F(PresentationCoreTest, StepsReachTheObserversWithWhatWentToTheClipboard)
{
    nextAndPause();
    ASSERT_EQ(observer.reports.size(), 1u);
    EXPECT_EQ(observer.reports[0].pointer, 2);
    EXPECT_EQ(observer.reports[0].displayText, "A\r\n");
    EXPECT_EQ(observer.reports[0].clipboardText, std::optional<QString>("A\r\n"));
    EXPECT_EQ(clipboard.puts, QStringList({"A\r\n"}));
}

TEST_F(PresentationCoreTest, TheSubDisplayFamilyActsAfterTheDisplayAndBringsThePresentationToTheFront)
{
    nextAndPause();
    nextAndPause();
    loader.log.clear();
    nextAndPause();
    EXPECT_EQ(engine.stepPointer(), 8);
    EXPECT_FALSE(presentation.subDisplayCommands().isPending());
    EXPECT_TRUE(loader.log.contains("frmMi02.restore"));
}

TEST_F(PresentationCoreTest, TheClipKeyOfAStepSetsTheEnginesClipSwitch)
{
    files.put(QStringLiteral("/show/s.txt"), {"A", "", "@qc-set clip=\"0\"", "B", "", "C"});
    script.load();
    engine.startRun(controller);
    nextAndPause();
    EXPECT_EQ(engine.clipSwitch(), 1);
    nextAndPause();
    EXPECT_EQ(engine.clipSwitch(), 0);
    EXPECT_EQ(controller.clipShown, 0);
    nextAndPause();
    EXPECT_EQ(clipboard.puts, QStringList({"A\r\n"}));   // the key acts before its own step is copied
}

} // namespace
} // namespace qc
