#include "enginefixture.h"

namespace qc {
namespace {

using LineCommandSteps = test::EngineFixture;

struct TextCase {
    const char* name;
    QStringList lines;
    QString display;
    QString clip;
};

class StepTexts : public test::EngineFixture, public ::testing::WithParamInterface<TextCase> {};

TEST_P(StepTexts, ShownAndCopied)
{
    start(GetParam().lines);
    nextAndPause();
    EXPECT_EQ(display.shown, GetParam().display);
    EXPECT_EQ(engine.stepClipText(), GetParam().clip);
}

const QString k250 = QString(250, u'x');

INSTANTIATE_TEST_SUITE_P(Commands, StepTexts, ::testing::Values(
    TextCase{"EnterTwo", {"A", "@qc-enter 2", "B"}, "A\r\n\r\n\r\nB\r\n", "A\r\n\r\n\r\nB\r\n"},
    TextCase{"EnterZero", {"A", "@qc-enter 0", "B"}, "A\r\n\r\nB\r\n", "A\r\n\r\nB\r\n"},
    TextCase{"EnterEleven", {"A", "@qc-enter 11", "B"}, "A\r\n\r\nB\r\n", "A\r\n\r\nB\r\n"},
    TextCase{"EnterBare", {"A", "@qc-enter", "B"}, "A\r\n\r\nB\r\n", "A\r\n\r\nB\r\n"},
    TextCase{"EnterHalfDown", {"A", "@qc-enter 2.5", "B"}, "A\r\n\r\n\r\nB\r\n", "A\r\n\r\n\r\nB\r\n"},
    TextCase{"EnterHalfUp", {"A", "@qc-enter 3.5", "B"}, "A\r\n\r\n\r\n\r\n\r\nB\r\n", "A\r\n\r\n\r\n\r\n\r\nB\r\n"},
    TextCase{"EnterHuge", {"A", "@qc-enter 99999", "B"}, "A\r\n\r\nB\r\n", "A\r\n\r\nB\r\n"},
    TextCase{"EnterQuoted", {"A", "@qc-enter \"3\"", "B"}, "A\r\n\r\nB\r\n", "A\r\n\r\nB\r\n"},
    TextCase{"EnterBeforeTextIsLost", {"@qc-enter 3", "A"}, "A\r\n", "A\r\n"},
    TextCase{"EnterOnly", {"@qc-enter 2"}, "\r\n\r\n\r\n", "\r\n\r\n\r\n"},
    TextCase{"ClipOff", {"A", "@qc-clipoff", "B"}, "A\r\nB\r\n", "A\r\n"},
    TextCase{"ClipOffAndOn", {"A", "@qc-clipoff", "B", "@qc-clipon", "C"}, "A\r\nB\r\nC\r\n", "A\r\nC\r\n"},
    TextCase{"ClipOffAllText", {"@qc-clipoff", "A"}, "A\r\n", "\r\n"},
    TextCase{"ClipSend", {"A", "@qc-clipsend \"to chat\"", "B"}, "A\r\nB\r\n", "Ato chat\r\nB\r\n"},
    TextCase{"ClipSendAfterClipOff", {"A", "@qc-clipoff", "@qc-clipsend sent", "B"}, "A\r\nB\r\n", "Asent\r\n"},
    TextCase{"ClipSendBeforeTextIsLost", {"@qc-clipsend early", "A"}, "A\r\n", "A\r\n"},
    TextCase{"ClipSendKeptByClipOff", {"@qc-clipsend early", "@qc-clipoff", "A"}, "A\r\n", "early\r\n"},
    TextCase{"ClipSendCut", {"A", "@qc-clipsend " + k250}, "A\r\n", "A" + QString(200, u'x') + "\r\n"},
    TextCase{"ClipSendEmpty", {"A", "@qc-clipsend"}, "A\r\n", "A\r\n"},
    TextCase{"ClipSendKeepsCase", {"A", "@QC-CLIPSEND Mixed Case"}, "A\r\n", "AMixed Case\r\n"},
    TextCase{"Cls", {"A", "@qc-cls", "B"}, "B\r\n", "B\r\n"},
    TextCase{"Rem", {"A", "@qc-rem nothing here", "B"}, "A\r\nB\r\n", "A\r\nB\r\n"},
    TextCase{"TokensInLines", {"(chat)@clpsnd@A@clpspc@B", "C@clpsw@x@clpsw@"}, "AB\r\nCx\r\n",
             "(chat)A,,,,,B\r\nC\r\n"},
    TextCase{"KeywordGluedToText", {"@qc-enter3"}, "@qc-enter3\r\n", "@qc-enter3\r\n"}
), [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineCommandSteps, ClipOffLastsOnlyForItsStep)
{
    start({"A", "@qc-clipoff", "B", "", "C"});
    nextAndPause();
    nextAndPause();
    EXPECT_EQ(lastClip(), "C\r\n");
}

TEST_F(LineCommandSteps, DisplayKeysAreStagedLaterWins)
{
    start({"A", "@qc-set fontsize=\"30\" bold=\"1\"", "@qc-set fontsize=\"40\" nonsense=\"1\"",
           "@qc-set left=\"10\""});
    nextAndPause();
    EXPECT_EQ(appliedDisplayValues[2], "40");
    EXPECT_EQ(appliedDisplayValues[3], "1");
    EXPECT_EQ(appliedDisplayValues[7], "10");
    EXPECT_EQ(appliedDisplayValues[4], "");
    EXPECT_TRUE(staging.display.geometryTouched);
    EXPECT_EQ(staging.display.values[2], "");   // emptied after use
}

TEST_F(LineCommandSteps, ALineWithoutKnownKeysStagesNothing)
{
    start({"A", "@qc-set unknown=\"1\" size font-size=\"9\""});
    nextAndPause();
    EXPECT_FALSE(log.contains("display.apply"));
}

TEST_F(LineCommandSteps, ResetStagesEveryDisplayKey)
{
    start({"@qc-set width=\"50\"", "@qc-reset", "A"});
    nextAndPause();
    for (std::size_t slot = 1; slot <= 13; ++slot)
        EXPECT_EQ(appliedDisplayValues[slot], "reset") << slot;
    EXPECT_FALSE(staging.display.geometryTouched);
}

TEST_F(LineCommandSteps, SubSetNeedsAValidId)
{
    for (const char* line : {"@qc-subset show=\"1\"", "@qc-subset id=\"5\" show=\"1\"",
                             "@qc-subset id=\"-1\" show=\"1\"", "@qc-subset id=\"99999\" show=\"1\""}) {
        start({QString::fromUtf8(line), "A"});
        nextAndPause();
        EXPECT_FALSE(log.contains("sub.apply")) << line;
    }
}

TEST_F(LineCommandSteps, SubSetStagesTheWholeRequestOfItsId)
{
    std::array<std::array<QString, 24>, kSubDisplayCount> applied;
    onSubApply = [&] { applied = staging.sub.requests; };
    start({"@qc-subset id=\"2\" caption=\"Old\" text=\"Keep?\"", "@qc-subset ID=\"2\" caption=\"New\"",
           "@qc-subset id=\"4\" show=\"1\" picfilename=\"a.png\"", "A"});
    nextAndPause();
    EXPECT_EQ(applied[2][10], "New");
    EXPECT_EQ(applied[2][9], "");          // the second line replaced the whole request
    EXPECT_EQ(applied[4][2], "1");
    EXPECT_EQ(applied[4][3], "a.png");
    EXPECT_EQ(applied[0][2], "");
    EXPECT_EQ(staging.sub.keyValues[1], "");
}

TEST_F(LineCommandSteps, SubResetOnlyForShownSubDisplays)
{
    std::array<std::array<QString, 24>, kSubDisplayCount> applied;
    onSubApply = [&] { applied = staging.sub.requests; };
    windows.subStates = {2, 1, 0, 2, 0};
    start({"@qc-subreset", "A"});
    nextAndPause();
    EXPECT_EQ(applied[0][0], "1");
    EXPECT_EQ(applied[0][2], "");           // show is not reset: the window stays shown
    EXPECT_EQ(applied[0][3], "reset");
    EXPECT_EQ(applied[0][23], "reset");
    EXPECT_EQ(applied[3][10], "reset");
    EXPECT_EQ(applied[1][3], "");
    EXPECT_EQ(applied[2][0], "");
}

TEST_F(LineCommandSteps, SubResetWithNothingShownStagesNothing)
{
    windows.subStates = {1, 1, 0, 0, 0};
    start({"@qc-subreset", "A"});
    nextAndPause();
    EXPECT_FALSE(log.contains("sub.apply"));
}

TEST_F(LineCommandSteps, MusicKeysAndResetOnlyWhileThePanelShows)
{
    std::array<QString, 14> applied;
    onMusicApply = [&] { applied = staging.music.values; };
    start({"@qc-musicset channel=\"1\" MusicVolume=\"50\"", "A", "", "@qc-musicreset", "B"});
    nextAndPause();
    EXPECT_EQ(applied[1], "1");
    EXPECT_EQ(applied[11], "50");
    EXPECT_EQ(staging.music.values[11], "");   // emptied by the family's clear
    log.clear();
    nextAndPause();
    EXPECT_FALSE(log.contains("music.apply"));  // panel not shown: the reset line does nothing

    windows.panelState = 2;
    start({"@qc-musicreset", "A"});
    nextAndPause();
    EXPECT_EQ(applied[1], "");                 // channel and show are not reset
    EXPECT_EQ(applied[2], "");
    for (std::size_t slot = 3; slot <= 13; ++slot)
        EXPECT_EQ(applied[slot], "reset") << slot;
}

} // namespace
} // namespace qc
