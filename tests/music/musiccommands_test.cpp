#include "music/musiccommands.h"
#include "music/musicengine.h"

#include "music/musicrig.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using namespace musicslot;
using test::MusicRig;

const QString kOpenA = QStringLiteral("Open \"/show/bgm/a.mp3\" alias qcMusicCh0 type MPEGVideo");

// Lines of one step each, separated by blank lines, stepped with Next.
class MusicSteps : public ::testing::Test {
protected:
    void start(const QStringList& lines) { rig = std::make_unique<MusicRig>(lines); }
    void next() { rig->nextAndPause(); }
    QStringList commands() { return rig->takeCommands(); }
    // The commands that reached the media device, without the engine's status queries.
    QStringList actions()
    {
        QStringList acted;
        for (const QString& command : rig->takeCommands()) {
            if (!command.startsWith(u"Status"))
                acted << command;
        }
        return acted;
    }

    std::unique_ptr<MusicRig> rig;
};

TEST_F(MusicSteps, ShowOnWithAFileAndPlayLoadsOpensPlaysThenShows)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicplay=\"1\"", "A"});
    next();
    ASSERT_NE(rig->view(), nullptr);
    EXPECT_EQ(rig->panelState(), 2);
    EXPECT_TRUE(rig->panelVisible());
    const QStringList acted = actions();
    EXPECT_TRUE(acted.contains(kOpenA)) << acted.join(u'\n').toStdString();
    EXPECT_EQ(acted.filter(QStringLiteral("Play ")), QStringList({"Play qcMusicCh0"}));
    EXPECT_EQ(rig->view()->title, "a.mp3");
    EXPECT_TRUE(rig->view()->segmentsVisible);
    EXPECT_EQ(rig->view()->entry, "50");
    EXPECT_TRUE(rig->panel()->positionTimerEnabled());
    // Placed at the default place: 1 % across and 77.6 % down the 15360 x 11520 screen.
    EXPECT_EQ(rig->view()->rect().left, 153);
    EXPECT_EQ(rig->view()->rect().top, 8939);
    EXPECT_EQ(rig->records().of(0)[MusicFileName], "bgm\\a.mp3");
    // Shown last: the window manager's show after the panel's load and the file's open.
    const QStringList& windowLog = rig->loader.log;
    EXPECT_LT(windowLog.indexOf("frmMu00.load"), windowLog.indexOf("frmMu00.show"));
}

TEST_F(MusicSteps, AFileNamedWithoutAFolderCaptionsThePanelAsMusic)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"c.mid\"", "A"});
    next();
    EXPECT_EQ(rig->records().of(0)[MusicFileName], "c.mid");
    EXPECT_EQ(rig->view()->title, "音楽");
}

TEST_F(MusicSteps, AMissingFileIsDroppedAndTheOtherKeysStillApply)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"bgm\\gone.mp3\" musicplay=\"1\" musicvolume=\"50\" title=\"BGM\"",
           "A"});
    next();
    EXPECT_EQ(rig->panelState(), 2);
    const QStringList acted = actions();
    EXPECT_TRUE(acted.filter(QStringLiteral("Open")).isEmpty());
    EXPECT_TRUE(acted.filter(QStringLiteral("Play")).isEmpty()) << "nothing to play on the channel";
    EXPECT_EQ(rig->view()->volumeText, "50");
    EXPECT_EQ(rig->view()->title, "BGM");
    EXPECT_FALSE(rig->view()->segmentsVisible);
}

TEST_F(MusicSteps, KeysWithoutALoadedPanelDoNothing)
{
    start({"@qc-musicset musicfilename=\"bgm\\a.mp3\" musicplay=\"1\"", "A"});
    next();
    EXPECT_EQ(rig->view(), nullptr);
    EXPECT_EQ(rig->panelState(), 0);
    EXPECT_TRUE(actions().isEmpty());
}

TEST_F(MusicSteps, HideHidesAShownPanelAndLoadsAnAbsentOneHiddenWhileTheMusicPlaysOn)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicplay=\"1\"", "A", "",
           "@qc-musicset show=\"hide\"", "B", "", "@qc-musicset show=\"off\"", "C", "",
           "@qc-musicset show=\"HIDE\"", "D"});
    next();
    commands();
    next();
    EXPECT_EQ(rig->panelState(), 1);
    EXPECT_FALSE(rig->panelVisible());
    EXPECT_TRUE(actions().filter(QStringLiteral("Stop")).isEmpty()) << "hiding never stops the music";

    next();
    EXPECT_EQ(rig->panelState(), 0);
    EXPECT_EQ(rig->view(), nullptr);
    next();
    EXPECT_EQ(rig->panelState(), 1);
    ASSERT_NE(rig->view(), nullptr);
    EXPECT_FALSE(rig->panelVisible());
}

TEST_F(MusicSteps, AShowWordThatIsNotOnOffOrHideClosesThePanel)
{
    start({"@qc-musicset show=\"on\"", "A", "", "@qc-musicset show=\"visible\" musicvolume=\"50\"", "B"});
    next();
    ASSERT_EQ(rig->panelState(), 2);
    next();
    EXPECT_EQ(rig->panelState(), 0);
    EXPECT_EQ(rig->view(), nullptr);
    EXPECT_TRUE(rig->records().of(0)[MusicVolume].isEmpty());
}

TEST_F(MusicSteps, ResetOnAShownPanelPutsTheCommandChannelBackAndKeepsTheOtherChannelsFile)
{
    start({"@qc-musicset show=\"on\" channel=\"1\" musicfilename=\"bgm\\b.ogg\"", "A", "",
           "@qc-musicset channel=\"0\" musicfilename=\"bgm\\a.mp3\" musicvolume=\"50\" musicposition=\"30\"",
           "@qc-musicset musictop=\"1\" musicrepeat=\"1\" soundfilename=\"fx\\ding.wav\" left=\"50\" top=\"10\"",
           "@qc-musicset title=\"Show\"", "B", "", "@qc-musicreset", "C"});
    next();
    next();
    ASSERT_TRUE(rig->view()->soundMarkVisible);
    ASSERT_EQ(rig->view()->title, "Show");
    ASSERT_TRUE(rig->view()->topChecked);
    commands();

    next();
    const QStringList acted = actions();
    EXPECT_TRUE(acted.contains("Close qcMusicCh0")) << acted.join(u'\n').toStdString();
    EXPECT_FALSE(acted.contains("Close qcMusicCh1"));
    const MusicValues& zero = rig->records().of(0);
    EXPECT_EQ(zero[MusicFileName], "");
    EXPECT_EQ(zero[MusicVolume], "100");
    EXPECT_EQ(zero[MusicPosition], "0");
    EXPECT_EQ(zero[MusicTop], "0");
    EXPECT_EQ(zero[MusicRepeat], "0");
    EXPECT_EQ(zero[SoundFileName], "");
    EXPECT_EQ(zero[Title], "");
    EXPECT_EQ(rig->records().of(1)[MusicFileName], "bgm\\b.ogg");
    EXPECT_FALSE(rig->view()->soundMarkVisible);
    EXPECT_FALSE(rig->view()->topChecked);
    EXPECT_FALSE(rig->view()->repeatChecked);
    EXPECT_EQ(rig->view()->volumeText, "100");
    EXPECT_EQ(rig->view()->title, "音楽");
    EXPECT_EQ(rig->view()->rect().left, 153);
    EXPECT_EQ(rig->view()->rect().top, 8939);
    EXPECT_EQ(rig->musicEngine().wavePathFile(), "");
    EXPECT_EQ(rig->panelState(), 2);
}

TEST_F(MusicSteps, ZeroVolumeGoesThroughOnePercentSoTheDeviceHearsIt)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\"", "A", "", "@qc-musicset musicvolume=\"0\"", "B"});
    next();
    // The engine already at 0 %: only the write through 1 % makes the device go silent again.
    rig->musicEngine().setVolumePercent("0");
    commands();
    next();
    EXPECT_EQ(actions().filter(QStringLiteral("setaudio")),
              QStringList({"setaudio qcMusicCh0 volume to 5", "setaudio qcMusicCh0 volume to 0"}));
    EXPECT_EQ(rig->view()->volumeText, "0");
}

TEST_F(MusicSteps, RepeatedValuesDoNothingWhileChannelAndPlayActEveryTime)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicvolume=\"50\" musicposition=\"50\"", "A", "",
           "@qc-musicset musicvolume=\"50\" musicposition=\"50\" musicplay=\"1\" channel=\"0\"", "B", "",
           "@qc-musicset musicplay=\"1\"", "C"});
    next();
    commands();
    const QStringList before = rig->stepLog;
    next();
    const QStringList acted = actions();
    EXPECT_TRUE(acted.filter(QStringLiteral("setaudio")).isEmpty()) << acted.join(u'\n').toStdString();
    EXPECT_TRUE(acted.filter(QStringLiteral("Seek")).isEmpty());
    EXPECT_EQ(acted.filter(QStringLiteral("Play")), QStringList({"Play qcMusicCh0"}));
    rig->musicEngine().setPlay("0");  // stopped from outside the script: the same play key starts it again
    commands();
    next();
    EXPECT_EQ(actions().filter(QStringLiteral("Play")), QStringList({"Play qcMusicCh0"}));
}

TEST_F(MusicSteps, ANewFileOnTheChannelPlaysAtFullVolumeAndTheRecordedVolumeStaysInForce)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicvolume=\"50\"", "A", "",
           "@qc-musicset musicfilename=\"bgm\\b.ogg\"", "B", "", "@qc-musicset musicvolume=\"50\"", "C"});
    next();
    next();
    EXPECT_EQ(rig->musicEngine().volumePercent(), "100");
    EXPECT_EQ(rig->view()->title, "b.ogg");
    commands();
    next();
    EXPECT_TRUE(actions().filter(QStringLiteral("setaudio")).isEmpty());
    EXPECT_EQ(rig->musicEngine().volumePercent(), "100");
}

TEST_F(MusicSteps, AfterClosingOnChannelOneTheNextPanelAddressesChannelOneRecordsButTheEngineChannelZero)
{
    start({"@qc-musicset show=\"on\" channel=\"1\"", "A", "", "@qc-musicset show=\"off\"", "B", "",
           "@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicplay=\"1\"", "C", "",
           "@qc-musicset channel=\"1\"", "D"});
    next();
    EXPECT_EQ(rig->view()->channelText, "Ch-1");
    next();
    commands();
    next();
    EXPECT_EQ(rig->records().of(1)[MusicFileName], "bgm\\a.mp3");
    EXPECT_EQ(rig->records().of(0)[MusicFileName], "");
    const QStringList acted = actions();
    EXPECT_TRUE(acted.contains(kOpenA)) << acted.join(u'\n').toStdString();
    EXPECT_TRUE(acted.contains("Play qcMusicCh0"));
    EXPECT_EQ(rig->view()->channelText, "Ch-0");
    next();
    EXPECT_EQ(rig->view()->channelText, "Ch-1");
    EXPECT_EQ(rig->musicEngine().channel(), "1");
}

TEST_F(MusicSteps, TheSoundEffectPlaysOnlyWithASoundFileAndEachTimeItIsAsked)
{
    start({"@qc-musicset show=\"on\" soundplay=\"1\"", "A", "",
           "@qc-musicset soundfilename=\"fx\\ding.wav\" soundplay=\"1\"", "B", "", "@qc-musicset soundplay=\"1\"", "C"});
    next();
    EXPECT_TRUE(rig->waves.played.isEmpty());
    next();
    next();
    EXPECT_EQ(rig->waves.played, QStringList({"/show/fx/ding.wav", "/show/fx/ding.wav"}));
    EXPECT_TRUE(rig->view()->soundMarkVisible);
}

TEST_F(MusicSteps, LeavingTheScriptTopAndBackCloseOrHideThePanel)
{
    start({"@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicplay=\"1\"", "A", "", "B"});
    next();
    next();
    EXPECT_EQ(rig->panelState(), 2);
    rig->backAndPause();
    EXPECT_EQ(rig->panelState(), 2) << "Back to the step that shows it shows it again";
    next();
    rig->backAndPause();
    rig->backAndPause();
    EXPECT_EQ(rig->panelState(), 0) << "Back before the first step leaves the script";

    next();
    ASSERT_EQ(rig->panelState(), 2);
    next();
    next();
    EXPECT_EQ(rig->panelState(), 0) << "Next past the last step leaves the script";
}

TEST_F(MusicSteps, AStepInWhichMusicActedBringsTheDisplayAndTheControllerBack)
{
    start({"@qc-musicset show=\"on\"", "A"});
    rig->loader.log.clear();
    next();
    const QStringList& log = rig->loader.log;
    const qsizetype shown = log.indexOf("frmMu00.show");
    ASSERT_GE(shown, 0);
    EXPECT_GT(log.indexOf("frmMi02.show", shown), shown);
    EXPECT_GT(log.indexOf("frmMi01.show", shown), log.indexOf("frmMi02.show", shown));
}

// How each key's value reads after the check.
struct CheckCase {
    const char* name;
    const char* line;
    std::size_t slot;
    const char* checked;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << c.name;
}

class MusicChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(MusicChecks, ValueAfterTheCheck)
{
    MusicRig rig({"A"});
    MusicCommands& music = rig.presentation.musicCommands();
    const QString line = QString::fromUtf8(GetParam().line);
    music.stage({line, LineKind::Command, Command::MusicSet});
    music.check();
    EXPECT_EQ(music.staged().values[GetParam().slot], QString::fromUtf8(GetParam().checked));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MusicChecks,
    ::testing::Values(
        CheckCase{"ChannelOne", R"(@qc-musicset channel="1")", Channel, "1"},
        CheckCase{"ChannelOneAndAHalfRoundsToTwoWhichIsChannelZero", R"(@qc-musicset channel="1.5")", Channel, "0"},
        CheckCase{"ChannelBeyondSixteenBits", R"(@qc-musicset channel="99999")", Channel, "0"},
        CheckCase{"ChannelResetReadsZero", R"(@qc-musicset channel="reset")", Channel, "0"},
        CheckCase{"ShowOnInCapitals", R"(@qc-musicset show="ON")", Show, "1"},
        CheckCase{"ShowHide", R"(@qc-musicset show="hide")", Show, "2"},
        CheckCase{"ShowAsANumber", R"(@qc-musicset show="2")", Show, "2"},
        CheckCase{"ShowAnyOtherWordIsOff", R"(@qc-musicset show="visible")", Show, "0"},
        CheckCase{"ShowOffDropsTheOtherKeys", R"(@qc-musicset show="off" musicvolume="50")", MusicVolume, ""},
        CheckCase{"SoundFileKeptAsWritten", R"(@qc-musicset soundfilename="fx\ding.wav")", SoundFileName,
                  "fx\\ding.wav"},
        CheckCase{"SoundFileMustBeWave", R"(@qc-musicset soundfilename="bgm\a.mp3")", SoundFileName, ""},
        CheckCase{"SoundFileMustExist", R"(@qc-musicset soundfilename="fx\gone.wav")", SoundFileName, ""},
        CheckCase{"SoundPlayOutOfRange", R"(@qc-musicset soundplay="5")", SoundPlay, "0"},
        CheckCase{"LeftAsWritten", R"(@qc-musicset left="-12.50")", Left, "-12.50"},
        CheckCase{"LeftOutOfRangeIsReset", R"(@qc-musicset left="250")", Left, "reset"},
        CheckCase{"TopResetInAnyCase", R"(@qc-musicset top="ReSeT")", Top, "reset"},
        CheckCase{"MusicFileExtensionInAnyCase", R"(@qc-musicset musicfilename="theme.MID")", MusicFileName, "theme.MID"},
        CheckCase{"MusicFileOfAnotherKind", R"(@qc-musicset musicfilename="notes.txt")", MusicFileName, ""},
        CheckCase{"MusicFileClimbingOutOfReach", R"(@qc-musicset musicfilename="..\..\..\x.mp3")", MusicFileName,
                  ""},
        CheckCase{"MusicPlayWord", R"(@qc-musicset musicplay="yes")", MusicPlay, "0"},
        CheckCase{"MusicTopOne", R"(@qc-musicset musictop="1")", MusicTop, "1"},
        CheckCase{"VolumeKeepsItsFraction", R"(@qc-musicset musicvolume="50.50")", MusicVolume, "50.5"},
        CheckCase{"VolumeAbove200IsFull", R"(@qc-musicset musicvolume="201")", MusicVolume, "100"},
        CheckCase{"PositionAbove100IsTheStart", R"(@qc-musicset musicposition="101")", MusicPosition, "0"},
        CheckCase{"PositionReset", R"(@qc-musicset musicposition="RESET")", MusicPosition, "reset"},
        CheckCase{"TitleCutAt80", R"(@qc-musicset title="0123456789012345678901234567890123456789012345678901234567890123456789012345678901234")",
                  Title, "01234567890123456789012345678901234567890123456789012345678901234567890123456789"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MusicPanelTitle, RecordedTitleElseTheFileNameElseMusic)
{
    MusicRecords records;
    EXPECT_EQ(musicPanelTitle(records, 0), "音楽");
    records.of(1)[MusicFileName] = "bgm\\曲.mp3";
    EXPECT_EQ(musicPanelTitle(records, 1), "曲.mp3");
    EXPECT_EQ(musicPanelTitle(records, 0), "音楽");
    records.of(0)[Title] = "オープニング";
    EXPECT_EQ(musicPanelTitle(records, 1), "オープニング");
}

} // namespace
} // namespace qc
