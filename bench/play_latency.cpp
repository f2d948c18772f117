// Times the music and sound effects on the desktop's real audio path: from the play command
// to the first sound a recorder hears on the output, through a private PulseAudio server
// whose only sink is a null sink. Prints the median and the spread of each.
// Usage: play_latency [ROUNDS]

#include "audio/monitorrecorder.h"
#include "audio/privatesoundserver.h"
#include "platform/gstreamer/gstmediadevice.h"
#include "platform/gstreamer/gstwavesound.h"
#include "platform/soundfiles.h"

#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using qc::test::MonitorRecorder;
using Clock = MonitorRecorder::Clock;

constexpr int kTone = 8000;          // far above silence, well below the tone's peak
constexpr int kFragmentUs = 2000;    // the recorder's resolution

// Milliseconds from `start()` to the first fragment the recorder hears; none when nothing
// was heard within two seconds.
std::optional<double> timeToSound(const MonitorRecorder& recorder, const std::function<void()>& start)
{
    const Clock::time_point from = Clock::now();
    start();
    if (!qc::test::eventually([&] { return recorder.firstSoundSince(from, kTone).has_value(); }, 2000ms))
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(*recorder.firstSoundSince(from, kTone) - from).count();
}

void report(const char* what, std::vector<double> times, int rounds)
{
    if (times.empty()) {
        std::printf("%-34s nothing heard in %d rounds\n", what, rounds);
        return;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %6.1f ms   min %6.1f ms   90th %6.1f ms   max %6.1f ms   (%zu of %d heard)\n",
                what, times[times.size() / 2], times.front(), times[times.size() * 9 / 10],
                times.back(), times.size(), rounds);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    ::unsetenv("QUILLCAST_AUDIO_SINK");  // the program's own default output

    qc::test::PrivateSoundServer server;
    if (!server.start()) {
        std::fprintf(stderr, "play_latency: %s\n", qPrintable(server.reason()));
        return 1;
    }
    QTemporaryDir folder;
    const QString tone = folder.filePath("tone.wav");
    if (!qc::test::writeTone(tone, 50, "wavenc")) {
        std::fprintf(stderr, "play_latency: cannot make a tone (run scripts/setup)\n");
        return 1;
    }
    MonitorRecorder recorder(qc::test::PrivateSoundServer::kMonitorName, kFragmentUs);
    if (!recorder.start()) {
        std::fprintf(stderr, "play_latency: cannot listen to the null sink\n");
        return 1;
    }

    qc::GstMediaDevice device;
    if (device.send("open \"" + tone + "\" alias tune type MPEGVideo").code != 0) {
        std::fprintf(stderr, "play_latency: the media device cannot open the tone\n");
        return 1;
    }
    std::vector<double> opened;
    std::vector<double> resumed;
    std::vector<double> effects;
    qc::GstWaveSound sound;
    for (int round = 0; round < rounds; ++round) {
        // Each from silence: the last sound has ended and the server's queue drained.
        device.send("close tune");
        device.send("open \"" + tone + "\" alias tune type MPEGVideo");
        std::this_thread::sleep_for(300ms);
        if (const auto ms = timeToSound(recorder, [&] { device.send("play tune"); }))
            opened.push_back(*ms);
        device.send("stop tune");
        device.send("seek tune to 0");
        std::this_thread::sleep_for(300ms);
        if (const auto ms = timeToSound(recorder, [&] { device.send("play tune"); }))
            resumed.push_back(*ms);
        device.send("stop tune");
        std::this_thread::sleep_for(300ms);
        if (const auto ms = timeToSound(recorder, [&] { sound.play(tone); }))
            effects.push_back(*ms);
        std::this_thread::sleep_for(700ms);  // the half-second effect ends
    }
    std::printf("from the play command to the first sound at the null sink's monitor,"
                " %d µs fragments:\n", kFragmentUs);
    report("music, first play after the open", opened, rounds);
    report("music, play again after a stop", resumed, rounds);
    report("sound effect", effects, rounds);
    return 0;
}
