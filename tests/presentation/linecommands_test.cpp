#include "enginefixture.h"

#include "music/musiccommands.h"
#include "music/musicengine.h"
#include "music/musicpanelhost.h"
#include "platform/steppedtimers.h"
#include "presentation/displaycommands.h"

#include "doubles/fakedisplayport.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/recordingmediadevice.h"

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

// The line commands over the real display and music families: which family each command line
// reaches, and what it stages there.
class FamilyStaging : public ::testing::Test {
protected:
    // Runs the script's lines through the line commands as one step would.
    void stage(const QStringList& lines)
    {
        const ScriptContent content = parseScript(lines, QStringLiteral("s.txt"));
        StepAccumulator step;
        for (const ScriptLine& line : content.lines) {
            if (line.kind == LineKind::Command)
                lineCommands.run(line, step);
        }
    }

    QStringList log;
    test::RecordingWindows windows{log};
    test::FakeFiles files;
    test::RecordingMessageBox messages;
    Script script{files, files, messages};
    Settings settings = test::defaultSettings();
    test::FakeDisplayPort port;
    test::FakeControllerPlace controllerPlace;
    test::FakeScreen screen{19200, 14400};
    test::FakeFontProbe fonts;
    DisplayCommands display{{settings, script, port, controllerPlace, [](int) {}}, screen, fonts};
    test::RecordingMediaDevice device;
    test::RecordingWaveSound waves;
    SteppedTimers timers;
    MediaCommands media{device, waves};
    MusicEngine engine{media, timers, files};
    MusicPanelHost panel;
    MusicCommands music{{script, windows, windows, panel, engine}, screen, files};
    LineCommands lineCommands{{&display, &music}};
};

TEST_F(FamilyStaging, DisplayKeysAreStagedLaterWins)
{
    stage({"A", "@qc-set fontsize=\"30\" bold=\"1\"", "@qc-set fontsize=\"40\" nonsense=\"1\"",
           "@qc-set left=\"10\""});
    const auto& values = display.staged().values;
    EXPECT_EQ(values[2], "40");
    EXPECT_EQ(values[3], "1");
    EXPECT_EQ(values[7], "10");
    EXPECT_EQ(values[4], "");
    EXPECT_TRUE(display.isPending());
    EXPECT_TRUE(display.scriptPlacedWindow());
    EXPECT_FALSE(music.isPending());
    display.clear();
    EXPECT_EQ(display.staged().values[2], "");   // emptied after use
    EXPECT_FALSE(display.isPending());
}

TEST_F(FamilyStaging, ALineWithoutKnownKeysStagesNothing)
{
    stage({"A", "@qc-set unknown=\"1\" size font-size=\"9\""});
    EXPECT_FALSE(display.isPending());
}

TEST_F(FamilyStaging, ResetStagesEveryDisplayKey)
{
    stage({"@qc-set width=\"50\"", "@qc-reset", "A"});
    for (std::size_t slot = 1; slot <= 13; ++slot)
        EXPECT_EQ(display.staged().values[slot], "reset") << slot;
    EXPECT_FALSE(display.scriptPlacedWindow());
}

TEST_F(FamilyStaging, MusicKeysAndResetOnlyWhileThePanelShows)
{
    stage({"@qc-musicset channel=\"1\" MusicVolume=\"50\"", "A"});
    EXPECT_EQ(music.staged().values[1], "1");
    EXPECT_EQ(music.staged().values[11], "50");
    music.clear();
    EXPECT_EQ(music.staged().values[11], "");   // emptied by the family's clear
    EXPECT_FALSE(music.isPending());

    stage({"@qc-musicreset", "B"});
    EXPECT_FALSE(music.isPending());            // panel not shown: the reset line does nothing

    windows.panelState = 2;
    stage({"@qc-musicreset", "A"});
    EXPECT_TRUE(music.isPending());
    EXPECT_EQ(music.staged().values[1], "");    // channel and show are not reset
    EXPECT_EQ(music.staged().values[2], "");
    for (std::size_t slot = 3; slot <= 13; ++slot)
        EXPECT_EQ(music.staged().values[slot], "reset") << slot;
}

} // namespace
} // namespace qc
