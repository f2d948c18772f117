#include "audio/monitorrecorder.h"
#include "audio/privatesoundserver.h"
#include "platform/gstreamer/gstmediadevice.h"
#include "platform/gstreamer/gstwavesound.h"
#include "platform/soundfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

namespace qc {
namespace {

using namespace std::chrono_literals;
using test::eventually;
using test::MonitorRecorder;
using test::PrivateSoundServer;

// A tone at full strength is far above this; the monitor of an idle null sink is all zeros.
constexpr int kSilence = 100;
constexpr int kTone = 8000;

// Music and sound effects through the program's default output, the desktop's sound server,
// as an audience hears them: here a private server whose only sink is a null sink, and a
// recorder on that sink's monitor.
class DesktopAudio : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // The program's own default, whatever the caller's environment asks for.
        ::unsetenv("QUILLCAST_AUDIO_SINK");
        server_ = new PrivateSoundServer;
        if (!server_->start())
            skipReason_ = server_->reason().toStdString();
    }

    static void TearDownTestSuite()
    {
        delete server_;
        server_ = nullptr;
    }

    void SetUp() override
    {
        if (!skipReason_.empty())
            GTEST_SKIP() << "no sound server can be started here, so the desktop's audio "
                            "path is not tried: " << skipReason_;
        ASSERT_TRUE(folder_.isValid());
        tone_ = folder_.filePath("tone.wav");
        ASSERT_TRUE(test::writeTone(tone_, 100, "wavenc"));
        ASSERT_TRUE(recorder_.start()) << "cannot listen to " << PrivateSoundServer::kMonitorName;
    }

    // Nothing is heard for a moment: what follows is the program's sound, not noise.
    void expectSilenceFor(std::chrono::milliseconds span)
    {
        const auto from = MonitorRecorder::Clock::now();
        std::this_thread::sleep_for(span);
        EXPECT_LT(recorder_.peakSince(from), kSilence);
    }

    bool heardSince(MonitorRecorder::Clock::time_point from)
    {
        return eventually([&] { return recorder_.peakSince(from) > kTone; });
    }

    static PrivateSoundServer* server_;
    static std::string skipReason_;
    QTemporaryDir folder_;
    QString tone_;
    MonitorRecorder recorder_{PrivateSoundServer::kMonitorName};
};

PrivateSoundServer* DesktopAudio::server_ = nullptr;
std::string DesktopAudio::skipReason_;

TEST_F(DesktopAudio, MusicIsHeardWhilePlayingAndStopsWithStop)
{
    GstMediaDevice device;
    ASSERT_EQ(device.send("open \"" + tone_ + "\" alias tune type MPEGVideo").code, 0u);
    expectSilenceFor(300ms);  // opened, not yet playing

    const auto played = MonitorRecorder::Clock::now();
    ASSERT_EQ(device.send("play tune").code, 0u);
    EXPECT_TRUE(heardSince(played)) << "loudest: " << recorder_.peakSince(played);

    ASSERT_EQ(device.send("stop tune").code, 0u);
    std::this_thread::sleep_for(200ms);  // what the server had queued drains
    expectSilenceFor(300ms);
}

// A piece opened at one step and played at a later one starts when it is played, not after
// as much silence as it waited.
TEST_F(DesktopAudio, MusicOpenedLongBeforeStartsWhenPlayed)
{
    GstMediaDevice device;
    ASSERT_EQ(device.send("open \"" + tone_ + "\" alias tune type MPEGVideo").code, 0u);
    std::this_thread::sleep_for(2s);

    const auto played = MonitorRecorder::Clock::now();
    ASSERT_EQ(device.send("play tune").code, 0u);
    EXPECT_TRUE(eventually([&] { return recorder_.peakSince(played) > kTone; }, 1s))
        << "still silent a second after play";
}

TEST_F(DesktopAudio, SoundEffectIsHeard)
{
    GstWaveSound sound;
    expectSilenceFor(200ms);
    const auto played = MonitorRecorder::Clock::now();
    ASSERT_TRUE(sound.play(tone_));
    EXPECT_TRUE(heardSince(played)) << "loudest: " << recorder_.peakSince(played);
}

} // namespace
} // namespace qc
