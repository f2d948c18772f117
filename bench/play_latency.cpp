// Times the music and sound effects on the desktop's real audio path: from the play command
// (and from the operator's Next whose step plays music) to the first sound a recorder hears
// on the output, through a private PulseAudio server whose only sink is a null sink. Prints
// the median and the spread of each.
// Usage: play_latency [ROUNDS]

#include "audio/monitorrecorder.h"
#include "audio/privatesoundserver.h"
#include "platform/gstreamer/gstmediadevice.h"
#include "platform/gstreamer/gstwavesound.h"
#include "platform/soundfiles.h"

#include "music/musicpanellogic.h"
#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"
#include "platform/steppedtimers.h"
#include "script/script.h"
#include "shell/presentationcore.h"
#include "shell/preview/quietdesktop.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakemusicpanel.h"
#include "doubles/fakewindows.h"

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

// The presentation with the real media device and sound effects, the window manager over
// windows that only remember, and the music panel's own logic: a script whose every other
// step shows the panel and plays the tone, and whose steps between close it.
struct MusicShow {
    MusicShow(const QString& folder, int rounds)
    {
        const QString path = folder + QStringLiteral("/show.txt");
        QStringList lines;
        for (int round = 0; round < rounds; ++round) {
            lines << QStringLiteral("@qc-musicset show=\"on\" musicfilename=\"tone.wav\" musicplay=\"1\"")
                  << QStringLiteral("Music %1").arg(round) << QString()
                  << QStringLiteral("@qc-musicset show=\"off\"") << QStringLiteral("Quiet %1").arg(round)
                  << QString();
        }
        files.writeLines(path, lines);
        script.setLocation(qc::ScriptLocation::ofPath(path));
        script.load();
        loader.onLoad[qc::test::FakeMusicPanelView::name()] = [this] {
            view = std::make_unique<qc::test::FakeMusicPanelView>(loader);
            qc::MusicCommands& commands = presentation.musicCommands();
            panel = std::make_unique<qc::MusicPanelLogic>(
                *view,
                qc::MusicPanelLogic::Parts{commands.records(), commands.staging(), presentation.musicEngine(),
                                           windows, flags, presentation.musicPanel()},
                timers);
            panel->onLoad();
        };
        loader.onClose[qc::test::FakeMusicPanelView::name()] = [this] {
            panel->onQueryUnload();
            panel->onUnload();
        };
        presentation.musicEngine().load();
        presentation.engine().startRun(controller);
    }

    // Next, and the button wait after it.
    void next()
    {
        presentation.engine().next();
        timers.tickAll();
        timers.tickAll();
    }

    qc::DesktopTextFiles files;
    qc::DesktopFileExistence existence;
    qc::preview::QuietMessageBox messages;
    qc::preview::QuietScreen screen;
    qc::preview::QuietFontProbe fonts;
    qc::preview::QuietPictures pictures;
    qc::preview::QuietClipboard clipboard;
    qc::preview::QuietDisplay display;
    qc::preview::QuietControllerPlace controllerPlace{qc::WindowRect{1000, 1000, 9345, 1620}};
    qc::preview::QuietController controller{true};
    qc::GstMediaDevice device;
    qc::GstWaveSound sound;
    qc::SteppedTimers timers;
    qc::Settings settings = qc::test::defaultSettings();
    qc::Script script{files, existence, messages};
    qc::test::FakeWindowLoader loader;
    qc::WindowRegistry registry{loader};
    qc::ShowStateRecords records;
    qc::WindowManager windows{registry, records, settings, screen};
    qc::WindowFlags flags;
    qc::PresentationCore presentation{{script, settings, timers, screen, fonts, existence, pictures, clipboard, device,
                                       sound, display, display, controllerPlace, windows, windows, windows, windows}};
    std::unique_ptr<qc::test::FakeMusicPanelView> view;
    std::unique_ptr<qc::MusicPanelLogic> panel;
};

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
    device.send("close tune");

    // The operator's Next on a step that shows the panel, opens the piece and plays it.
    std::vector<double> stepped;
    {
        MusicShow show(folder.path(), rounds);
        for (int round = 0; round < rounds; ++round) {
            std::this_thread::sleep_for(300ms);
            if (const auto ms = timeToSound(recorder, [&] { show.presentation.engine().next(); }))
                stepped.push_back(*ms);
            show.timers.tickAll();
            show.timers.tickAll();
            show.next();  // closes the panel, which stops the music
        }
    }

    std::printf("from the play command to the first sound at the null sink's monitor,"
                " %d µs fragments:\n", kFragmentUs);
    report("music, first play after the open", opened, rounds);
    report("music, play again after a stop", resumed, rounds);
    report("sound effect", effects, rounds);
    report("music, a Next whose step plays it", stepped, rounds);
    return 0;
}
