#include "music/mediacommands.h"

#include "doubles/recordingmediadevice.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class Media : public ::testing::Test, protected MusicSeekHooks {
protected:
    Media() { media.setSeekHooks(this); }

    void setRepeatTimerEnabled(int channel, bool enabled) override
    {
        hookLog << QStringLiteral("timer%1 %2").arg(channel).arg(enabled ? "on" : "off");
    }
    void showPosition(int channel, const QString& position, const QString& percent) override
    {
        hookLog << QStringLiteral("show%1 %2 %3").arg(channel).arg(position, percent);
    }

    QStringList takeCommands() { return std::exchange(device.commands, {}); }

    test::RecordingMediaDevice device;
    test::RecordingWaveSound waves;
    MediaCommands media{device, waves};
    QStringList hookLog;
};

TEST(MusicChannels, BadChannelNumbersMeanChannelZero)
{
    const struct {
        const char* text;
        int channel;
    } cases[] = {{"0", 0}, {"1", 1}, {"2", 0}, {"-1", 0}, {"abc", 0}, {"1.5", 0}, {"0.5", 0}, {"1.4", 1},
                 {"99999", 0}, {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(musicChannelOf(QString::fromLatin1(c.text)), c.channel) << c.text;
    EXPECT_EQ(musicAliasOf(1), "qcMusicCh1");
    EXPECT_EQ(musicAliasOf(7), "qcMusicCh0");
}

TEST_F(Media, EachCommandHasItsExactText)
{
    media.mediaOpen(1, "/music/a b.mp3");
    media.mediaClose(0);
    media.mediaPlay(1);
    media.mediaStop(0);
    media.mediaSeekStart(1);
    media.mediaSeekTo(0, "1500");
    media.mediaSetVolume(1, "250");
    media.queryPositionText(0);
    media.queryLengthText(1);
    media.queryModeText(0);
    media.queryVolumeText(1);
    EXPECT_EQ(takeCommands(), QStringList({"Open \"/music/a b.mp3\" alias qcMusicCh1 type MPEGVideo",
                                           "Close qcMusicCh0", "Play qcMusicCh1", "Stop qcMusicCh0",
                                           "Seek qcMusicCh1 to 0", "Seek qcMusicCh0 to 1500",
                                           "setaudio qcMusicCh1 volume to 250", "Status qcMusicCh0 position",
                                           "Status qcMusicCh1 length", "Status qcMusicCh0 mode",
                                           "Status qcMusicCh1 volume"}));
}

TEST_F(Media, AnUnansweredQueryIsBlankAndReadsAsNothing)
{
    device.answers["Status qcMusicCh0 mode"] = "playing";
    EXPECT_EQ(media.queryModeText(0), "playing");
    device.failing << "Status qcMusicCh0 mode";
    const QString blank = media.queryModeText(0);
    EXPECT_EQ(blank, QString(255, u' '));
    EXPECT_EQ(media.lastMediaResult(), 263u);
    device.answers["Status qcMusicCh1 length"] = QStringLiteral("1234") + QChar(0) + "junk";
    EXPECT_EQ(media.queryLengthText(1), "1234");
}

TEST_F(Media, OpeningStoresThePathOnlyWhenTheDeviceTookIt)
{
    media.openMusic(0, "/music/Song.MP3");
    EXPECT_EQ(media.state(0).loadedPath, "/music/Song.MP3");
    EXPECT_EQ(media.state(0).fileExtension, "mp3");
    takeCommands();

    media.openMusic(0, "/music/Song.MP3");         // already loaded: nothing is sent
    EXPECT_TRUE(takeCommands().isEmpty());

    device.failing << "Open \"/music/bad.wav\" alias qcMusicCh0 type MPEGVideo";
    media.openMusic(0, "/music/bad.wav");
    EXPECT_EQ(takeCommands(), QStringList({"Close qcMusicCh0", "Open \"/music/bad.wav\" alias qcMusicCh0 type MPEGVideo"}));
    EXPECT_EQ(media.state(0).loadedPath, "");
    EXPECT_EQ(media.lastMediaResult(), 263u);
    media.openMusic(0, "/music/bad.wav");          // not stored: asked again, opened again
    EXPECT_EQ(takeCommands(), QStringList({"Open \"/music/bad.wav\" alias qcMusicCh0 type MPEGVideo"}));

    media.openMusic(1, "/music/x");
    EXPECT_EQ(media.state(1).fileExtension, "");
    takeCommands();
    media.openMusic(1, "");                        // closes and leaves the channel empty
    EXPECT_EQ(takeCommands(), QStringList({"Close qcMusicCh1"}));
    EXPECT_EQ(media.state(1).loadedPath, "");
}

TEST_F(Media, StartingStoppingAndRewinding)
{
    media.startMusic(0);                           // nothing loaded: nothing sent
    EXPECT_TRUE(takeCommands().isEmpty());
    media.openMusic(0, "/m/a.ogg");
    media.state(0).topFlag = "1";
    takeCommands();
    media.startMusic(0);
    EXPECT_EQ(takeCommands(), QStringList({"Seek qcMusicCh0 to 0", "Play qcMusicCh0"}));
    EXPECT_EQ(media.state(0).playingPath, "/m/a.ogg");
    media.startMusic(0);                           // already playing
    EXPECT_TRUE(takeCommands().isEmpty());

    media.stopMusicToTop(0);
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh0", "Seek qcMusicCh0 to 0"}));
    EXPECT_EQ(media.state(0).playingPath, "");
    media.stopMusicToTop(0);                       // not playing: the stop alone
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh0"}));

    media.state(0).topFlag = "0";
    media.startMusic(0);
    EXPECT_EQ(takeCommands(), QStringList({"Play qcMusicCh0"}));
    media.stopMusic(0);
    media.resumeMusic(0);
    media.rewindMusic(0);
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh0", "Play qcMusicCh0", "Seek qcMusicCh0 to 0"}));
    EXPECT_EQ(media.state(0).playingPath, "/m/a.ogg");

    media.closeMusic(0);
    EXPECT_EQ(media.state(0).loadedPath, "");
    EXPECT_EQ(media.state(0).playingPath, "/m/a.ogg");   // the engine stops a channel before closing it
}

TEST_F(Media, VolumeOutOfRangeIsNeitherSilenceNorFull)
{
    const struct {
        const char* volume;
        const char* sent;
    } cases[] = {{"1001", "501"}, {"-5", "501"}, {"1000", "1000"}, {"0", "0"}, {"250.5", "250"},
                 {"abc", "0"},    {"99999", "501"}};
    for (const auto& c : cases) {
        media.setDeviceVolume(0, QString::fromLatin1(c.volume));
        EXPECT_EQ(takeCommands(), QStringList({QStringLiteral("setaudio qcMusicCh0 volume to ") + c.sent})) << c.volume;
    }
}

TEST_F(Media, PositionPercent)
{
    MusicChannelState& s = media.state(0);
    const struct {
        const char* position;
        const char* length;
        const char* percent;
    } cases[] = {{"12345", "60000", "20.575"}, {"30000", "60000", "50"}, {"1", "3", "33.33333"},
                 {"10", "0", "0"},             {"5", "", ""}};
    for (const auto& c : cases) {
        s.positionText = c.position;
        s.lengthText = c.length;
        EXPECT_EQ(media.computePositionPercent(0), QString::fromLatin1(c.percent)) << c.position << "/" << c.length;
    }
}

TEST_F(Media, MovingThePositionKeepsThePlayState)
{
    media.openMusic(1, "/m/a.flac");
    media.state(1).lengthText = "60000";
    device.answers["Status qcMusicCh1 position"] = "30000";
    takeCommands();

    media.moveMusicPosition(1, "30000");           // loaded, not playing
    EXPECT_EQ(takeCommands(), QStringList({"Seek qcMusicCh1 to 30000", "Status qcMusicCh1 position"}));
    EXPECT_EQ(media.state(1).positionPercent, "50");
    EXPECT_EQ(hookLog, QStringList({"show1 30000 50"}));

    media.startMusic(1);
    takeCommands();
    hookLog.clear();
    media.moveMusicPosition(1, "29999.6");
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh1", "Seek qcMusicCh1 to 30000", "Play qcMusicCh1",
                                           "Status qcMusicCh1 position"}));
    EXPECT_EQ(hookLog, QStringList({"timer1 off", "timer1 on", "show1 30000 50"}));
    EXPECT_EQ(media.state(1).playingPath, "/m/a.flac");

    for (const char* refused : {"60001", "-1", ""}) {
        media.moveMusicPosition(1, QString::fromLatin1(refused));
        EXPECT_TRUE(takeCommands().isEmpty()) << refused;
    }
    media.state(1).lengthText.clear();
    media.moveMusicPosition(1, "0");
    EXPECT_TRUE(takeCommands().isEmpty());
}

TEST_F(Media, WaveSoundsGoToTheirOwnPlayer)
{
    waves.unplayable << "/fx/missing.wav";
    EXPECT_TRUE(media.playWave("/fx/ding.wav"));
    EXPECT_FALSE(media.playWave("/fx/missing.wav"));
    EXPECT_EQ(waves.played, QStringList({"/fx/ding.wav", "/fx/missing.wav"}));
    EXPECT_TRUE(device.commands.isEmpty());
}

} // namespace
} // namespace qc
