#include "music/musicengine.h"
#include "music/musicenginewindow.h"

#include "platform/steppedtimers.h"

#include "doubles/fakefiles.h"
#include "doubles/recordingmediadevice.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class Engine5 : public ::testing::Test {
protected:
    Engine5()
    {
        for (const char* path : {"/m/a.mp3", "/m/b.ogg", "/m/c.mid", "/fx/ding.wav"})
            files.put(QString::fromLatin1(path), {"x"});
        for (const char* alias : {"qcMusicCh0", "qcMusicCh1"}) {
            device.answers[QStringLiteral("Status %1 volume").arg(QLatin1String(alias))] = "501";
            device.answers[QStringLiteral("Status %1 length").arg(QLatin1String(alias))] = "60000";
            device.answers[QStringLiteral("Status %1 position").arg(QLatin1String(alias))] = "0";
            device.answers[QStringLiteral("Status %1 mode").arg(QLatin1String(alias))] = "playing";
        }
        engine.load();
        device.commands.clear();
    }

    QStringList takeCommands() { return std::exchange(device.commands, {}); }
    // The engine's timers in the order it made them.
    Timer& repeatTimer(int channel) { return *timers.timers()[std::size_t(channel * 2)]; }
    Timer& restartTimer(int channel) { return *timers.timers()[std::size_t(channel * 2 + 1)]; }
    void tick() { timers.tickAll(); }

    test::FakeFiles files;
    test::RecordingMediaDevice device;
    test::RecordingWaveSound waves;
    SteppedTimers timers;
    MediaCommands media{device, waves};
    MusicEngine engine{media, timers, files};
};

TEST_F(Engine5, LoadingClosesBothChannelsAndStartsFromTheDefaults)
{
    engine.load();
    EXPECT_EQ(takeCommands(), QStringList({"Close qcMusicCh0", "Close qcMusicCh1"}));
    EXPECT_EQ(engine.channel(), "0");
    EXPECT_EQ(engine.play(), "0");
    EXPECT_EQ(engine.volumePercent(), "100");
    EXPECT_EQ(engine.positionPercent(), "0");
    EXPECT_EQ(timers.timers().size(), 4u);
    for (const auto* timer : timers.timers()) {
        EXPECT_FALSE(timer->isEnabled());
        EXPECT_EQ(timer->intervalMs(), 1000);
    }
}

TEST_F(Engine5, AFileIsOpenedAtTheMiddleVolumeThatHundredPercentStandsFor)
{
    engine.setPathFile("/m/a.mp3");
    EXPECT_EQ(takeCommands(), QStringList({"Open \"/m/a.mp3\" alias qcMusicCh0 type MPEGVideo",
                                           "setaudio qcMusicCh0 volume to 501", "Status qcMusicCh0 volume",
                                           "Status qcMusicCh0 length", "Status qcMusicCh0 position"}));
    const MusicChannelState& state = engine.channelState(0);
    EXPECT_EQ(state.baseVolume, "501");
    EXPECT_EQ(state.lengthText, "60000");
    EXPECT_EQ(engine.positionLength(), "60000");
    EXPECT_EQ(engine.pathFile(), "/m/a.mp3");
    engine.setPathFile("/m/a.mp3");                    // the same again: nothing
    EXPECT_TRUE(takeCommands().isEmpty());
}

TEST_F(Engine5, AMissingOrUnopenableFileEmptiesThePathBox)
{
    engine.setPathFile("/m/a.mp3");
    takeCommands();
    engine.setPathFile("/m/gone.mp3");
    EXPECT_EQ(takeCommands(), QStringList({"Close qcMusicCh0"}));
    EXPECT_EQ(engine.pathFile(), "");
    EXPECT_EQ(engine.positionLength(), "");

    device.failing << "Open \"/m/b.ogg\" alias qcMusicCh0 type MPEGVideo";
    engine.setPathFile("/m/b.ogg");
    EXPECT_EQ(engine.pathFile(), "");
    EXPECT_EQ(engine.channelState(0).loadedPath, "");
    EXPECT_EQ(engine.channelState(0).lengthText, "");
}

TEST_F(Engine5, FlagsAreNormalisedAndPlayNeedsAFile)
{
    engine.setPlay("1");                               // nothing loaded: refused
    EXPECT_EQ(engine.play(), "0");
    EXPECT_TRUE(takeCommands().isEmpty());
    engine.setTop("7");
    EXPECT_EQ(engine.top(), "1");
    EXPECT_EQ(engine.channelState(0).topFlag, "1");
    engine.setRepeat("yes");
    EXPECT_EQ(engine.repeat(), "0");
    engine.setPathFile("/m/a.mp3");
    takeCommands();
    engine.setPlay("2");
    EXPECT_EQ(engine.play(), "1");
    EXPECT_EQ(takeCommands(), QStringList({"Seek qcMusicCh0 to 0", "Play qcMusicCh0", "Status qcMusicCh0 position"}));
    EXPECT_TRUE(repeatTimer(0).isEnabled());
}

TEST_F(Engine5, OneChannelPlaysAtATime)
{
    engine.setPathFile("/m/a.mp3");
    engine.setTop("1");
    engine.setPlay("1");
    engine.setChannel("1");
    EXPECT_EQ(engine.pathFile(), "");                  // the boxes show channel 1
    EXPECT_EQ(engine.play(), "0");
    EXPECT_EQ(engine.channelState(0).playingPath, "/m/a.mp3");   // still playing
    engine.setPlay("0");                               // channel 1 was not playing: nothing
    EXPECT_EQ(engine.channelState(0).playingPath, "/m/a.mp3");

    engine.setPathFile("/m/b.ogg");
    takeCommands();
    engine.setPlay("1");
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh0", "Seek qcMusicCh0 to 0", "Status qcMusicCh0 position",
                                           "Play qcMusicCh1", "Status qcMusicCh1 position"}));
    EXPECT_EQ(engine.channelState(0).playFlag, "0");
    EXPECT_EQ(engine.channelState(0).playingPath, "");
    EXPECT_FALSE(repeatTimer(0).isEnabled());
    EXPECT_TRUE(repeatTimer(1).isEnabled());

    engine.setChannel("0");                            // back: the boxes show channel 0 again
    EXPECT_EQ(engine.pathFile(), "/m/a.mp3");
    EXPECT_EQ(engine.play(), "0");
    EXPECT_EQ(engine.top(), "1");
}

TEST_F(Engine5, VolumePercentOfTheBaseVolume)
{
    engine.setVolumePercent("150");                    // no file: only stored
    EXPECT_TRUE(takeCommands().isEmpty());
    engine.setPathFile("/m/a.mp3");
    EXPECT_EQ(engine.volumePercent(), "100");          // a new file starts at 100 %
    takeCommands();
    const struct {
        const char* percent;
        const char* shown;
        const char* sent;      // nullptr: nothing sent
    } cases[] = {{"150", "150", "751"}, {"200", "200", "1000"}, {"250", "100", "501"},
                 {"-1", "100", nullptr}, {"33.333333", "33.33333", "166"}, {"0", "0", "0"}};
    for (const auto& c : cases) {
        engine.setVolumePercent(QString::fromLatin1(c.percent));
        EXPECT_EQ(engine.volumePercent(), c.shown) << c.percent;
        const QStringList sent = takeCommands();
        if (c.sent)
            EXPECT_EQ(sent, QStringList({QStringLiteral("setaudio qcMusicCh0 volume to ") + c.sent})) << c.percent;
        else
            EXPECT_TRUE(sent.isEmpty()) << c.percent;
    }
}

TEST_F(Engine5, APositionRequestSeeksWithinTheKnownLength)
{
    engine.setPositionPercentSet("40");                // nothing loaded: only shown
    EXPECT_EQ(engine.positionPercent(), "40");
    EXPECT_EQ(engine.positionPercentSet(), "");
    engine.setPathFile("/m/a.mp3");
    device.answers["Status qcMusicCh0 position"] = "30000";
    takeCommands();
    engine.setPositionPercentSet("50");
    EXPECT_EQ(takeCommands(), QStringList({"Seek qcMusicCh0 to 30000", "Status qcMusicCh0 position"}));
    EXPECT_EQ(engine.position(), "30000");
    EXPECT_EQ(engine.positionPercent(), "50");

    engine.setPlay("1");
    takeCommands();
    device.answers["Status qcMusicCh0 position"] = "60000";
    engine.setPositionPercentSet("150");               // taken as 100 %
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh0", "Seek qcMusicCh0 to 60000", "Play qcMusicCh0",
                                           "Status qcMusicCh0 position"}));
    EXPECT_TRUE(repeatTimer(0).isEnabled());
    EXPECT_EQ(engine.channelState(0).playingPath, "/m/a.mp3");
}

TEST_F(Engine5, ARepeatedPieceRestartsThreeTicksAfterItsEnd)
{
    engine.setPathFile("/m/a.mp3");
    engine.setRepeat("1");
    engine.setPlay("1");
    tick();                                            // still playing
    EXPECT_TRUE(repeatTimer(0).isEnabled());
    device.answers["Status qcMusicCh0 mode"] = "stopped";
    takeCommands();
    tick();                                            // the end is noticed
    EXPECT_EQ(takeCommands(), QStringList({"Status qcMusicCh0 mode", "Seek qcMusicCh0 to 0", "Status qcMusicCh0 position"}));
    EXPECT_FALSE(repeatTimer(0).isEnabled());
    EXPECT_TRUE(restartTimer(0).isEnabled());
    EXPECT_EQ(engine.channelState(0).restartCountdown, "3");
    device.answers["Status qcMusicCh0 mode"] = "playing";
    tick();
    tick();
    EXPECT_TRUE(takeCommands().isEmpty());
    tick();
    EXPECT_EQ(takeCommands(), QStringList({"Play qcMusicCh0"}));
    EXPECT_TRUE(repeatTimer(0).isEnabled());
    EXPECT_FALSE(restartTimer(0).isEnabled());
    EXPECT_EQ(engine.play(), "1");                     // it never stopped being asked to play
}

TEST_F(Engine5, APieceWithoutRepeatStopsAtItsEnd)
{
    engine.setPathFile("/m/a.mp3");
    engine.setPlay("1");
    device.answers["Status qcMusicCh0 mode"] = "stopped";
    tick();
    EXPECT_EQ(engine.play(), "0");
    EXPECT_EQ(engine.channelState(0).playingPath, "");
    EXPECT_FALSE(repeatTimer(0).isEnabled());
    EXPECT_FALSE(restartTimer(0).isEnabled());
}

TEST_F(Engine5, ANewFileWhilePlayingWaitsForTheNextTick)
{
    engine.setPathFile("/m/a.mp3");
    engine.setRepeat("1");
    engine.setPlay("1");
    engine.setPathFile("/m/b.ogg");
    EXPECT_EQ(engine.channelState(0).playingPath, "/m/a.mp3");
    takeCommands();
    engine.setPlay("1");                               // does not start the new file yet
    EXPECT_FALSE(takeCommands().contains("Play qcMusicCh0"));
    device.answers["Status qcMusicCh0 mode"] = "stopped";
    tick();
    EXPECT_TRUE(restartTimer(0).isEnabled());
}

TEST_F(Engine5, WaveSoundsPlayOnceForEveryOne)
{
    engine.setWavePlay("1");                           // no file: refused
    EXPECT_EQ(engine.wavePlay(), "0");
    engine.setWavePathFile("/fx/none.wav");
    EXPECT_EQ(engine.wavePathFile(), "");
    engine.setWavePathFile("/fx/ding.wav");
    engine.setWavePlay("1");
    engine.setWavePlay("1");
    EXPECT_EQ(waves.played, QStringList({"/fx/ding.wav", "/fx/ding.wav"}));
    EXPECT_EQ(engine.wavePlay(), "0");
}

TEST_F(Engine5, UnloadingStopsPutsMidiVolumeBackAndCloses)
{
    engine.setPathFile("/m/c.mid");
    engine.setChannel("1");
    engine.setPathFile("/m/a.mp3");
    engine.setPlay("1");
    takeCommands();
    engine.unload();
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh0", "Stop qcMusicCh1", "setaudio qcMusicCh0 volume to 501",
                                           "Close qcMusicCh0", "Close qcMusicCh1"}));
    for (const auto* timer : timers.timers())
        EXPECT_FALSE(timer->isEnabled());
}

TEST_F(Engine5, TheEngineWindowLoadsAndUnloadsTheEngine)
{
    engine.setPathFile("/m/a.mp3");
    engine.setPlay("1");
    takeCommands();
    {
        MusicEngineWindow window(engine);            // loaded again: everything closed and reset
        EXPECT_EQ(takeCommands(), QStringList({"Close qcMusicCh0", "Close qcMusicCh1"}));
        EXPECT_EQ(engine.pathFile(), "");
        EXPECT_EQ(engine.channelState(0).loadedPath, "");
        window.runCloseHandlers();
    }
    EXPECT_EQ(takeCommands(), QStringList({"Stop qcMusicCh0", "Stop qcMusicCh1", "Close qcMusicCh0", "Close qcMusicCh1"}));
}

} // namespace
} // namespace qc
