#include "music/musicengine.h"
#include "music/musicpanellogic.h"

#include "music/musicrig.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using namespace musicslot;
using test::MusicRig;

// A shown panel with a.mp3 on channel 0, as a script's first step leaves it.
class MusicPanel : public ::testing::Test {
protected:
    MusicPanel()
    {
        rig.nextAndPause();
        rig.takeCommands();
    }

    MusicPanelLogic& panel() { return *rig.panel(); }
    test::FakeMusicPanelView& view() { return *rig.view(); }
    QStringList actions()
    {
        QStringList acted;
        for (const QString& command : rig.takeCommands()) {
            if (!command.startsWith(u"Status"))
                acted << command;
        }
        return acted;
    }
    void setPosition(const char* ms)
    {
        rig.media.answers[QStringLiteral("Status qcMusicCh0 position")] = QString::fromLatin1(ms);
        rig.timers.tickAll();
    }

    MusicRig rig{{"@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\"", "A", "",
                  "@qc-musicset soundfilename=\"fx\\ding.wav\"", "B"}};
};

struct VolumeCase {
    const char* volume;
    const char* up;    // "" when ▲ does nothing
    const char* down;  // "" when ▼ does nothing
};

class VolumeSteps : public MusicPanel, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeSteps, UpToTheNextTenDownToTheTenBelowWithin0To200)
{
    const VolumeCase c = GetParam();
    for (const bool up : {true, false}) {
        const QString expected = QString::fromLatin1(up ? c.up : c.down);
        rig.presentation.musicCommands().records().of(0)[MusicVolume] = QString::fromLatin1(c.volume);
        view().volumeText = QStringLiteral("before");
        rig.musicEngine().setVolumePercent(QStringLiteral("77"));
        up ? panel().volumeUpClicked() : panel().volumeDownClicked();
        const QString unchanged = expected.isEmpty() ? QStringLiteral("before") : expected;
        EXPECT_EQ(view().volumeText, unchanged) << (up ? "up from " : "down from ") << c.volume;
        EXPECT_EQ(rig.musicEngine().volumePercent(), expected.isEmpty() ? QStringLiteral("77") : expected);
        EXPECT_EQ(rig.records().of(0)[MusicVolume], expected.isEmpty() ? QString::fromLatin1(c.volume) : expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Volumes, VolumeSteps,
                         ::testing::Values(VolumeCase{"95", "100", "90"}, VolumeCase{"100", "110", "90"},
                                           VolumeCase{"200", "", "190"}, VolumeCase{"0", "10", ""},
                                           VolumeCase{"5", "10", "0"}, VolumeCase{"10.5", "20", "0"},
                                           VolumeCase{"-1", "", ""}, VolumeCase{"250", "", ""}));

TEST_F(MusicPanel, TheVolumeLabelPutsFullVolumeBack)
{
    panel().volumeDownClicked();
    ASSERT_EQ(view().volumeText, "90");
    panel().volumeLabelClicked();
    EXPECT_EQ(view().volumeText, "100");
    EXPECT_EQ(rig.musicEngine().volumePercent(), "100");
    EXPECT_EQ(rig.records().of(0)[MusicVolume], "100");
}

TEST_F(MusicPanel, APositionEntryOutside0To100OrWithoutANumberJumpsToTheStart)
{
    rig.media.answers[QStringLiteral("Status qcMusicCh0 position")] = "30000";
    view().entry = "120";
    panel().positionMoveClicked();
    EXPECT_EQ(view().entry, "0");
    EXPECT_EQ(actions().filter(QStringLiteral("Seek")), QStringList({"Seek qcMusicCh0 to 0"}));

    view().entry = "25";
    panel().positionMoveClicked();
    EXPECT_EQ(actions().filter(QStringLiteral("Seek")), QStringList({"Seek qcMusicCh0 to 15000"}));

    view().entry = "abc";
    panel().positionMoveClicked();
    EXPECT_EQ(view().entry, "0");

    view().entry = "";
    rig.takeCommands();
    panel().positionMoveClicked();
    EXPECT_TRUE(actions().isEmpty()) << "an empty entry does nothing";
}

TEST_F(MusicPanel, TheBarMarksTheQuarterPlayingAndKeepsItsMarksBetweenQuarters)
{
    panel().playClicked();
    setPosition("6000");  // 10 %
    EXPECT_EQ(view().segmentColors[0], musicpanelcolor::kCurrent);
    EXPECT_EQ(view().stripColor, musicpanelcolor::kPlaying);
    setPosition("14700");  // 24.5 %: between the first and the second quarter
    EXPECT_EQ(view().segmentColors[0], musicpanelcolor::kCurrent);
    EXPECT_EQ(view().segmentColors[1], musicpanelcolor::kSegment);
    setPosition("15000");  // 25 %
    EXPECT_EQ(view().segmentColors[0], musicpanelcolor::kSegment);
    EXPECT_EQ(view().segmentColors[1], musicpanelcolor::kCurrent);
    setPosition("60000");  // the end
    EXPECT_EQ(view().segmentColors[3], musicpanelcolor::kCurrent);

    panel().stopClicked();
    EXPECT_EQ(view().stripColor, musicpanelcolor::kStopped);
    rig.timers.tickAll();
    EXPECT_EQ(view().stripColor, musicpanelcolor::kStopped);
}

TEST_F(MusicPanel, SwitchingToTheOtherChannelShowsItsSettingsWhileChannelZeroPlaysOn)
{
    panel().playClicked();
    panel().volumeDownClicked();
    panel().topClicked(true);
    rig.timers.tickAll();
    ASSERT_EQ(view().stripColor, musicpanelcolor::kPlaying);
    rig.takeCommands();

    panel().channelLabelClicked();
    EXPECT_EQ(view().channelText, "Ch-1");
    EXPECT_EQ(rig.records().panelChannel, 1);
    EXPECT_EQ(rig.records().commandChannel, 0) << "the commands keep their channel";
    EXPECT_EQ(rig.musicEngine().channel(), "1");
    EXPECT_FALSE(view().topChecked);
    EXPECT_EQ(view().title, "音楽");
    EXPECT_FALSE(view().segmentsVisible);
    EXPECT_FALSE(panel().positionTimerEnabled());
    EXPECT_EQ(view().stripColor, musicpanelcolor::kStopped);
    EXPECT_TRUE(actions().filter(QStringLiteral("Stop")).isEmpty()) << "switching never stops channel 0";

    panel().channelLabelClicked();
    EXPECT_EQ(view().channelText, "Ch-0");
    EXPECT_TRUE(view().topChecked);
    EXPECT_EQ(view().volumeText, "90");
    EXPECT_EQ(view().title, "a.mp3");
    EXPECT_TRUE(panel().positionTimerEnabled());
}

TEST_F(MusicPanel, ClosingWhileChannelOneIsCurrentLeavesChannelZeroPlaying)
{
    panel().playClicked();
    panel().channelLabelClicked();
    rig.takeCommands();
    rig.windows.unloadMusicPanel();
    const QStringList acted = actions();
    EXPECT_FALSE(acted.contains("Stop qcMusicCh0")) << acted.join(u'\n').toStdString();
    EXPECT_FALSE(acted.contains("Close qcMusicCh0"));
    EXPECT_EQ(rig.musicEngine().channel(), "1");
    EXPECT_EQ(rig.panelState(), 0);
    EXPECT_EQ(rig.records().of(0)[MusicFileName], "");
    EXPECT_EQ(rig.channelState(0).playFlag, "1");
}

TEST_F(MusicPanel, ClosingStopsTheCurrentChannelAndTheNextLoadClosesChannelZero)
{
    panel().playClicked();
    rig.takeCommands();
    rig.windows.unloadMusicPanel();
    EXPECT_TRUE(actions().contains("Stop qcMusicCh0"));
    rig.windows.loadMusicPanel();
    EXPECT_TRUE(actions().contains("Close qcMusicCh0"));
    EXPECT_EQ(rig.musicEngine().channel(), "0");
    EXPECT_EQ(view().volumeText, "100");
}

TEST_F(MusicPanel, PlayStopAndSoundDoNothingWithoutTheirFiles)
{
    panel().soundClicked();
    EXPECT_TRUE(rig.waves.played.isEmpty());
    rig.nextAndPause();  // the sound file
    panel().soundClicked();
    EXPECT_EQ(rig.waves.played, QStringList({"/show/fx/ding.wav"}));

    panel().channelLabelClicked();  // channel 1 holds no file
    rig.takeCommands();
    panel().playClicked();
    panel().stopClicked();
    EXPECT_TRUE(actions().isEmpty());
}

TEST_F(MusicPanel, CheckBoxesWriteTheirChannelsRecordAndTheEngine)
{
    panel().repeatClicked(true);
    EXPECT_EQ(rig.records().of(0)[MusicRepeat], "1");
    EXPECT_EQ(rig.musicEngine().repeat(), "1");
    panel().repeatClicked(false);
    EXPECT_EQ(rig.musicEngine().repeat(), "0");
}

TEST_F(MusicPanel, AQuarterOfTheBarJumpsToItsStart)
{
    panel().segmentClicked(2);
    EXPECT_EQ(actions().filter(QStringLiteral("Seek")), QStringList({"Seek qcMusicCh0 to 30000"}));
}

TEST_F(MusicPanel, SlashAndCHandTheKeysBackAndEscQuits)
{
    rig.loader.log.clear();
    EXPECT_TRUE(panel().onKeyPress(u'/'));
    EXPECT_TRUE(rig.loader.log.contains("frmMi02.show"));
    EXPECT_FALSE(rig.flags.quitting);
    EXPECT_FALSE(panel().onKeyPress(u'x'));

    EXPECT_TRUE(panel().onKeyPress(QChar(27)));
    EXPECT_TRUE(rig.flags.quitting);
    EXPECT_EQ(rig.panelState(), 0);
}

TEST_F(MusicPanel, AMaximisedPanelGoesBackToNormal)
{
    view().state = WindowState::Maximized;
    panel().onResize();
    EXPECT_EQ(view().state, WindowState::Normal);
}

} // namespace
} // namespace qc
