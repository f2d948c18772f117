#include "enginefixture.h"

namespace qc {
namespace {

using Engine = test::EngineFixture;

const QStringList kFiveLines{"A", "B", "", "C", "D"};

TEST_F(Engine, NextThroughTheScriptAndBackToTheHeader)
{
    start(QStringList{"'qc-header Welcome", "'qc-footer Bye"} + kFiveLines);
    enum Press { Next, Back };
    struct Expect {
        Press press;
        int pointer;
        const char* shown;
    };
    const Expect steps[] = {
        {Next, 3, "A\r\nB\r\n"},
        {Next, 6, "C\r\nD\r\n"},
        {Next, 8, "Bye\r\n"},
        {Next, 8, "Bye\r\n"},          // a further Next stays after the bottom
        {Back, 6, "C\r\nD\r\n"},
        {Back, 3, "A\r\nB\r\n"},
        {Back, 0, "Welcome\r\n"},
        {Back, 0, "Welcome\r\n"},
    };
    for (const Expect& e : steps) {
        if (e.press == Next)
            nextAndPause();
        else
            backAndPause();
        EXPECT_EQ(engine.stepPointer(), e.pointer);
        EXPECT_EQ(controller->pointer, e.pointer);
        EXPECT_EQ(display.shown, QString::fromUtf8(e.shown));
    }
}

TEST_F(Engine, StartOfARunShowsTheTotalAndTheClipSwitch)
{
    start(kFiveLines, {"ShowTxtClip=0"});
    EXPECT_EQ(controller->total, 5);
    EXPECT_EQ(controller->clipShown, 0);
    EXPECT_EQ(engine.clipSwitch(), 0);
    EXPECT_EQ(engine.stepHistory(), (std::vector<int>{1, 4}));
}

struct GroupingCase {
    const char* name;
    QStringList lines;
    QStringList settings;
    std::vector<int> pointers;   // after each Next
    QStringList shown;
};

class Grouping : public test::EngineFixture, public ::testing::WithParamInterface<GroupingCase> {};

TEST_P(Grouping, StepsAndTheirPointers)
{
    const GroupingCase& c = GetParam();
    start(c.lines, c.settings);
    for (std::size_t i = 0; i < c.pointers.size(); ++i) {
        nextAndPause();
        EXPECT_EQ(engine.stepPointer(), c.pointers[i]) << "Next " << i + 1;
        EXPECT_EQ(display.shown, c.shown[qsizetype(i)]) << "Next " << i + 1;
    }
    // The step table found by the dry run matches the steps met going forward.
    std::vector<int> starts;
    for (int p : c.pointers) {
        if (p >= 1 && p <= script.content().lineCount() && (starts.empty() || starts.back() != p))
            starts.push_back(p);
    }
    EXPECT_EQ(engine.stepHistory(), starts);
}

INSTANTIATE_TEST_SUITE_P(Scripts, Grouping, ::testing::Values(
    GroupingCase{"LeadingSeparatorsSkipped", {"", "'note", "Hello"}, {}, {3, 4}, {"Hello\r\n", ""}},
    GroupingCase{"LineLimit", {"1", "2", "3", "4", "5", "", "6"}, {"ShowTxtBreak=2"}, {1, 3, 5, 7},
                 {"1\r\n2\r\n", "3\r\n4\r\n", "5\r\n", "6\r\n"}},
    GroupingCase{"NoLineLimit", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
                 {"ShowTxtBreak=0"}, {1},
                 {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n"}},
    GroupingCase{"DefaultLimitIsTen", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, {}, {1, 11},
                 {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n", "11\r\n"}},
    GroupingCase{"SeveralSeparatorsAreOne", {"A", "", "'c", "", "B"}, {}, {1, 5}, {"A\r\n", "B\r\n"}},
    GroupingCase{"CommandOnlyStep", {"A", "", "@qc-rem x", "@qc-rem y", "", "B"}, {}, {1, 3, 6},
                 {"A\r\n", "", "B\r\n"}},
    GroupingCase{"CommandsCountAsTheFirstLine", {"A", "", "@qc-rem x", "B"}, {}, {1, 3}, {"A\r\n", "B\r\n"}},
    // A block cut by the line limit at its last line: the next Next shows the next block,
    // not an empty step.
    GroupingCase{"LimitAtTheEndOfABlock", {"A", "B", "", "C"}, {"ShowTxtBreak=2"}, {1, 4}, {"A\r\nB\r\n", "C\r\n"}},
    GroupingCase{"LimitBeforeACommentRun", {"A", "B", "", "'x", "", "C"}, {"ShowTxtBreak=2"}, {1, 6},
                 {"A\r\nB\r\n", "C\r\n"}},
    // Commands never count toward the limit, but @qc-cls starts the count again; the step
    // table agrees with the steps.
    GroupingCase{"ClsRestartsTheLineCount", {"A", "@qc-cls", "B", "C", "D", "", "E"}, {"ShowTxtBreak=2"},
                 {1, 5, 7}, {"B\r\nC\r\n", "D\r\n", "E\r\n"}},
    GroupingCase{"OnlySeparators", {"", "'a", ""}, {}, {4}, {""}},
    GroupingCase{"EmptyScript", {}, {}, {1, 1}, {"", ""}}
), [](const auto& info) { return std::string(info.param.name); });

TEST_F(Engine, BackAfterALimitCutShowsTheStepAsNextShowedIt)
{
    start({"A", "@qc-cls", "B", "C", "D", "", "E"}, {"ShowTxtBreak=2"});
    nextAndPause();
    nextAndPause();
    backAndPause();
    EXPECT_EQ(engine.stepPointer(), 1);
    EXPECT_EQ(display.shown, "B\r\nC\r\n");
}

TEST_F(Engine, BackWithoutAStepTableOnlyResetsThePointer)
{
    start({"", "'only comments"});
    nextAndPause();
    EXPECT_EQ(engine.stepPointer(), 3);
    const QString shown = display.shown;
    clipboard.puts.clear();
    log.clear();
    engine.back();
    EXPECT_EQ(engine.stepPointer(), 0);
    EXPECT_EQ(controller->pointer, 0);
    EXPECT_EQ(display.shown, shown);
    EXPECT_TRUE(clipboard.puts.isEmpty());
    EXPECT_EQ(log, QStringList({"display.refreshShelter", "display.leaveShelter"}));
}

TEST_F(Engine, ClearingTheScriptForgetsTheStepTable)
{
    start(kFiveLines);
    script.clear();
    EXPECT_TRUE(engine.stepHistory().empty());
}

struct JumpCase {
    const char* text;
    int pointer;
    const char* shown;
};

class Jump : public test::EngineFixture, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(Jump, GoesToTheStepAtOrAfterTheLine)
{
    start({"'qc-header Top", "'qc-footer End", "A", "", "B", "C", "", "D"});
    nextAndPause();
    jump(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(engine.stepPointer(), GetParam().pointer);
    EXPECT_EQ(display.shown, QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(controller->jump, "");   // the box is emptied
}

INSTANTIATE_TEST_SUITE_P(Texts, Jump, ::testing::Values(
    JumpCase{"4", 5, "B\r\nC\r\n"},      // a blank line: the step that begins after it
    JumpCase{"5", 5, "B\r\nC\r\n"},
    JumpCase{"6", 6, "C\r\n"},           // inside a step: from that line on
    JumpCase{"6.5", 6, "C\r\n"},         // halves to even
    JumpCase{" 8", 8, "D\r\n"},
    JumpCase{"0", 0, "Top\r\n"},
    JumpCase{"-3", 0, "Top\r\n"},
    JumpCase{"abc", 0, "Top\r\n"},
    JumpCase{"9", 9, "End\r\n"},
    JumpCase{"99999", 9, "End\r\n"},     // beyond any number: the nearest end
    JumpCase{"-99999", 0, "Top\r\n"}
));

TEST_F(Engine, AJumpOutsideTheScriptClosesTheScriptWindows)
{
    start(kFiveLines);
    controller->jump = QStringLiteral("50");
    engine.next();
    EXPECT_EQ(log, QStringList({"display.refreshShelter", "display.followShelter", "display.show",
                                "display.stageReset", "unloadScriptWindows", "display.check", "display.apply",
                                "display.clear"}));
    EXPECT_EQ(displayCommands.applied, QStringList({"reset"}));
}

TEST_F(Engine, TheSimpleControllerHasNoJumpBox)
{
    start(kFiveLines, {}, false);
    controller->jump = QStringLiteral("4");
    nextAndPause();
    EXPECT_EQ(engine.stepPointer(), 1);
}

TEST_F(Engine, ButtonWaitRefusesAQuickSecondPressOnlyWhileCopying)
{
    start(kFiveLines);
    engine.next();
    engine.next();
    EXPECT_EQ(engine.stepPointer(), 1);
    engine.back();
    EXPECT_EQ(engine.stepPointer(), 1);
    timers.tickAll();
    engine.next();
    EXPECT_EQ(engine.stepPointer(), 1);   // still within two ticks
    timers.tickAll();
    engine.next();
    EXPECT_EQ(engine.stepPointer(), 4);

    engine.setClipSwitch(0);
    pause();
    engine.top();
    engine.next();
    engine.next();
    EXPECT_EQ(engine.stepPointer(), 4);
}

TEST_F(Engine, TheWaitTimerStopsWhenItRunsOut)
{
    start(kFiveLines);
    engine.next();
    const Timer* timer = timers.timers().front();
    EXPECT_TRUE(timer->isEnabled());
    EXPECT_EQ(timer->intervalMs(), 250);
    pause();
    EXPECT_FALSE(timer->isEnabled());
}

TEST_F(Engine, NextDoesItsWorkInOrder)
{
    start({"A", "@qc-set bold=\"1\"", "@qc-subset id=\"0\" show=\"1\"", "@qc-musicset channel=\"0\""});
    engine.next();
    EXPECT_EQ(log, QStringList({"display.refreshShelter", "display.followShelter", "display.show",
                                "display.check", "display.apply", "display.clear", "sub.check", "sub.apply",
                                "sub.clear", "music.check", "music.apply", "music.clear", "restoreDisplay",
                                "restoreController", "clipboard"}));
    EXPECT_FALSE(displayCommands.isPending());
    EXPECT_FALSE(subCommands.isPending());
    EXPECT_FALSE(musicCommands.isPending());
}

TEST_F(Engine, BackHidesTheScriptWindowsFirstAndRerunsOnlyThatStep)
{
    start({"@qc-subset id=\"1\" show=\"1\"", "A", "", "@qc-set bold=\"1\"", "B", "", "C"});
    nextAndPause();
    nextAndPause();
    nextAndPause();
    log.clear();
    engine.back();
    EXPECT_EQ(engine.stepPointer(), 4);
    EXPECT_EQ(log, QStringList({"display.refreshShelter", "display.leaveShelter", "display.show",
                                "display.check", "display.apply", "display.clear", "hideScriptWindows",
                                "clipboard"}));
    EXPECT_EQ(lastClip(), "B\r\n");
}

TEST_F(Engine, TopAndBottomResetTheLookWithoutTheClipboard)
{
    start({"'qc-header H", "'qc-footer F", "A", "", "B"});
    nextAndPause();
    clipboard.puts.clear();
    log.clear();
    controller->jump = QStringLiteral("5");
    engine.bottom();
    EXPECT_EQ(engine.stepPointer(), 6);
    EXPECT_EQ(display.shown, "F\r\n");
    EXPECT_EQ(controller->pointer, 6);
    EXPECT_EQ(controller->jump, "");
    EXPECT_EQ(log, QStringList({"display.leaveShelter", "display.show", "display.stageReset", "display.apply",
                                "display.clear", "unloadScriptWindows"}));
    EXPECT_EQ(displayCommands.applied, QStringList({"reset"}));
    // The reset is not kept for the next step.
    EXPECT_FALSE(displayCommands.isPending());
    engine.top();
    EXPECT_EQ(engine.stepPointer(), 0);
    EXPECT_EQ(display.shown, "H\r\n");
    EXPECT_TRUE(clipboard.puts.isEmpty());
    nextAndPause();
    EXPECT_EQ(engine.stepPointer(), 3);   // Next goes on from the top
}

TEST_F(Engine, WithoutClipboardStepsApplyCommandsButCopyNothing)
{
    start({"A", "@qc-set bold=\"1\"", "", "B"});
    engine.nextWithoutClipboard();
    engine.nextWithoutClipboard();   // no button wait either
    EXPECT_EQ(engine.stepPointer(), 4);
    EXPECT_TRUE(log.contains("display.apply"));
    engine.backWithoutClipboard();
    EXPECT_EQ(engine.stepPointer(), 1);
    EXPECT_EQ(display.shown, "A\r\n");
    EXPECT_TRUE(clipboard.puts.isEmpty());
}

TEST_F(Engine, ClipboardFollowsTheClipSwitch)
{
    start(kFiveLines);
    nextAndPause();
    EXPECT_EQ(clipboard.puts, QStringList({"A\r\nB\r\n"}));
    engine.setClipSwitch(0);
    engine.next();
    EXPECT_EQ(clipboard.puts.size(), 1);
    engine.setClipSwitch(1);
    pause();
    nextAndPause();  // the footer: nothing to copy
    EXPECT_EQ(clipboard.puts.size(), 1);
}

TEST_F(Engine, SubDisplayClipTextGoesInFront)
{
    start({"@qc-subset id=\"0\" text=\"x\"", "Line"});
    subCommands.onApply = [this] { tokens.subDisplayValue(u"Guest@clp@", u",,,,,"); };
    nextAndPause();
    EXPECT_EQ(lastClip(), "GuestLine\r\n");
    EXPECT_EQ(display.shown, "Line\r\n");
}

TEST_F(Engine, LostFocusIsTakenBackOnTheNextStep)
{
    start(kFiveLines);
    engine.noteDisplayFocusLost();
    nextAndPause();
    EXPECT_EQ(log.count("display.focusAway"), 1);
    log.clear();
    nextAndPause();
    EXPECT_EQ(log.count("display.focusAway"), 0);
}

TEST_F(Engine, ObserversHearOfEveryStepTheOperatorTook)
{
    start(QStringList{"'qc-header H", "'qc-footer F"} + kFiveLines);
    engine.next();
    engine.next();                        // refused as a double press: no step, no report
    pause();
    engine.nextWithoutClipboard();
    engine.back();
    pause();
    engine.bottom();
    engine.top();
    engine.jump(QStringLiteral("6"));

    struct Expect {
        StepAction action;
        int pointer;
        const char* shown;
        const char* copied;               // nullptr: nothing went to the clipboard
    };
    const Expect expected[] = {
        {StepAction::Next, 3, "A\r\nB\r\n", "A\r\nB\r\n"},
        {StepAction::NextWithoutClipboard, 6, "C\r\nD\r\n", nullptr},
        {StepAction::Back, 3, "A\r\nB\r\n", "A\r\nB\r\n"},
        {StepAction::Bottom, 8, "F\r\n", nullptr},
        {StepAction::Top, 0, "H\r\n", nullptr},
        {StepAction::Jump, 6, "C\r\nD\r\n", "C\r\nD\r\n"},
    };
    ASSERT_EQ(observer.reports.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const StepReport& report = observer.reports[i];
        const Expect& e = expected[i];
        EXPECT_EQ(report.action, e.action) << i;
        EXPECT_EQ(report.pointer, e.pointer) << i;
        EXPECT_EQ(report.displayText, QString::fromUtf8(e.shown)) << i;
        EXPECT_EQ(report.clipboardText, e.copied ? std::optional<QString>(QString::fromUtf8(e.copied)) : std::nullopt)
            << i;
    }
}

TEST_F(Engine, ObserversHearWhenARunStartsAndEnds)
{
    start(kFiveLines);
    EXPECT_EQ(observer.events, QStringList({"runStarted"}));
    engine.endRun();
    EXPECT_EQ(observer.events, QStringList({"runStarted", "runEnded"}));
}

TEST_F(Engine, BackWithoutAStepTableReportsTheTextStillShown)
{
    start(QStringList{"'qc-header H"} + kFiveLines);
    nextAndPause();
    script.clear();
    engine.back();
    ASSERT_EQ(observer.reports.size(), 2u);
    EXPECT_EQ(observer.reports.back().pointer, 0);
    EXPECT_EQ(observer.reports.back().displayText, "A\r\nB\r\n");
    EXPECT_FALSE(observer.reports.back().clipboardText);
}

TEST_F(Engine, AJumpAsksLikeTheJumpBoxAndTakesPrecedenceOverIt)
{
    start(kFiveLines, {}, false);          // the simple controller has no jump box
    engine.jump(QStringLiteral("4"));
    EXPECT_EQ(engine.stepPointer(), 4);
    EXPECT_EQ(display.shown, "C\r\nD\r\n");

    start(kFiveLines);
    controller->jump = QStringLiteral("1");
    engine.jump(QStringLiteral("4"));
    EXPECT_EQ(engine.stepPointer(), 4);
    pause();
    engine.jump(QStringLiteral("0"));
    EXPECT_EQ(engine.stepPointer(), 0);
    EXPECT_EQ(controller->jump, "");       // the box is cleared with the step shown

    engine.jump(QStringLiteral("4"));      // within the button wait: refused, and forgotten
    EXPECT_EQ(engine.stepPointer(), 0);
    pause();
    nextAndPause();
    EXPECT_EQ(engine.stepPointer(), 1);
}

// Next's gathering and Back's step table read steps alike: Next visits exactly the steps the
// table lists, whatever breaks them up.
TEST_F(Engine, NextVisitsExactlyTheStepTable)
{
    const struct {
        const char* name;
        QStringList lines;
        QStringList settings;
    } scripts[] = {
        {"blocks", {"", "'c", "A", "B", "", "", "C", "'note", "D"}, {}},
        {"limit", {"A", "B", "C", "D", "E", "", "F"}, {"ShowTxtBreak=2"}},
        {"limit at a block's end", {"A", "B", "", "C", "D"}, {"ShowTxtBreak=2"}},
        {"cls restarts the count", {"A", "B", "@qc-cls", "C", "D", "E"}, {"ShowTxtBreak=2"}},
        {"commands only", {"@qc-set bold=\"1\"", "", "@qc-rem x", "A"}, {}},
        {"trailing separators", {"A", "", "'end", ""}, {}},
        {"no limit", {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"}, {"ShowTxtBreak=0"}},
    };
    for (const auto& s : scripts) {
        start(s.lines, s.settings);
        std::vector<int> visited;
        for (nextAndPause(); engine.stepPointer() <= s.lines.size(); nextAndPause())
            visited.push_back(engine.stepPointer());
        EXPECT_EQ(visited, engine.stepHistory()) << s.name;
    }
}

} // namespace
} // namespace qc
