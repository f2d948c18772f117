#include "audio/monitorrecorder.h"
#include "audio/privatesoundserver.h"
#include "platform/gstreamer/gstmediadevice.h"
#include "platform/gstreamer/gstwavesound.h"
#include "platform/soundfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace qc {
namespace {

using namespace std::chrono_literals;
using test::MonitorRecorder;
using test::PrivateSoundServer;

constexpr int kTone = 8000;

// The desktop's sound server missing, or ending while a piece plays: every command still
// answers, the piece can be closed, and music plays again once a server is back.
class SoundServerFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::unsetenv("QUILLCAST_AUDIO_SINK");
        if (const char* server = std::getenv("PULSE_SERVER"))
            callersServer_ = server;
        ASSERT_TRUE(folder_.isValid());
        tone_ = folder_.filePath("tone.wav");
        ASSERT_TRUE(test::writeTone(tone_, 500, "wavenc"));
    }

    // The server the other suites of this program listen to, if one started before.
    void TearDown() override
    {
        if (callersServer_.isEmpty())
            ::unsetenv("PULSE_SERVER");
        else
            ::setenv("PULSE_SERVER", callersServer_.constData(), 1);
    }

    // Every command of a piece's life answers; none may hang or crash, whatever the output.
    static void expectEveryCommandAnswers(GstMediaDevice& device, bool opened)
    {
        for (const char* command : {"play tune", "status tune mode", "status tune position",
                                    "seek tune to 1000", "setaudio tune volume to 500",
                                    "stop tune"}) {
            const MediaReply reply = device.send(command);
            if (!opened) {
                EXPECT_NE(reply.code, 0u) << command << " on a piece that never opened";
            }
        }
        const unsigned closed = device.send("close tune").code;
        EXPECT_EQ(closed == 0u, opened);
        EXPECT_NE(device.send("status tune mode").code, 0u) << "the alias outlived its close";
    }

    QTemporaryDir folder_;
    QString tone_;
    QByteArray callersServer_;
};

TEST_F(SoundServerFaults, NoServerAtAllIsNoHangAndNoCrash)
{
    QTemporaryDir nowhere;
    ::setenv("PULSE_SERVER", ("unix:" + QFile::encodeName(nowhere.filePath("none"))).constData(), 1);

    GstMediaDevice device;
    const bool opened = device.send("open \"" + tone_ + "\" alias tune type MPEGVideo").code == 0;
    expectEveryCommandAnswers(device, opened);

    GstWaveSound sound;
    sound.play(tone_);
    sound.play(tone_);  // the second replaces the first, whatever became of it
}

TEST_F(SoundServerFaults, AServerThatEndsMidPieceLeavesThePieceClosableAndTheNextOnePlays)
{
    auto server = std::make_unique<PrivateSoundServer>();
    if (!server->start())
        GTEST_SKIP() << "no sound server can be started here: " << server->reason().toStdString();

    {
        GstMediaDevice device;
        ASSERT_EQ(device.send("open \"" + tone_ + "\" alias tune type MPEGVideo").code, 0u);
        ASSERT_EQ(device.send("play tune").code, 0u);
        std::this_thread::sleep_for(300ms);
        server->stop();
        std::this_thread::sleep_for(300ms);
        expectEveryCommandAnswers(device, true);
    }

    // The desktop restarts its sound server: the next piece is heard on it.
    server = std::make_unique<PrivateSoundServer>();
    ASSERT_TRUE(server->start()) << server->reason().toStdString();
    MonitorRecorder recorder{PrivateSoundServer::kMonitorName};
    ASSERT_TRUE(recorder.start());
    GstMediaDevice device;
    ASSERT_EQ(device.send("open \"" + tone_ + "\" alias tune type MPEGVideo").code, 0u);
    const auto played = MonitorRecorder::Clock::now();
    ASSERT_EQ(device.send("play tune").code, 0u);
    EXPECT_TRUE(test::eventually([&] { return recorder.peakSince(played) > kTone; }))
        << "loudest: " << recorder.peakSince(played);
}

TEST_F(SoundServerFaults, ASoundEffectCutOffByTheServersEndIsReplacedQuietly)
{
    auto server = std::make_unique<PrivateSoundServer>();
    if (!server->start())
        GTEST_SKIP() << "no sound server can be started here: " << server->reason().toStdString();
    GstWaveSound sound;
    ASSERT_TRUE(sound.play(tone_));
    std::this_thread::sleep_for(300ms);
    server->stop();
    std::this_thread::sleep_for(300ms);
    sound.play(tone_);  // no server: refused or silent, but answered

    server = std::make_unique<PrivateSoundServer>();
    ASSERT_TRUE(server->start()) << server->reason().toStdString();
    MonitorRecorder recorder{PrivateSoundServer::kMonitorName};
    ASSERT_TRUE(recorder.start());
    const auto played = MonitorRecorder::Clock::now();
    ASSERT_TRUE(sound.play(tone_));
    EXPECT_TRUE(test::eventually([&] { return recorder.peakSince(played) > kTone; }))
        << "loudest: " << recorder.peakSince(played);
}

} // namespace
} // namespace qc
