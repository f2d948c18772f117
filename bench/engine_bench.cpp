#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"
#include "platform/steppedtimers.h"
#include "script/script.h"
#include "settings/settingsfile.h"
#include "shell/presentationcore.h"
#include "shell/preview/quietdesktop.h"
#include "showscript.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace qc;
using namespace qc::preview;

// The presentation over a 5000-line script on the quiet desktop.
struct EngineBench {
    EngineBench()
    {
        const QString path = dir.filePath(QStringLiteral("show.txt"));
        files.writeLines(path, makeShowScript(5000));
        SettingsFile(files, existence, messages, screen, fonts)
            .read(settings, {QString(), QString(), QStringLiteral("6.001")}, firstRun);
        script.setLocation(ScriptLocation::ofPath(path));
        script.load();
    }

    QTemporaryDir dir;
    DesktopTextFiles files;
    DesktopFileExistence existence;
    QuietMessageBox messages;
    QuietScreen screen;
    QuietFontProbe fonts;
    QuietFirstRunWindows firstRun;
    SteppedTimers timers;
    QuietClipboard clipboard;
    Settings settings;
    Script script{files, existence, messages};
    QuietWindows windows;
    QuietPictures pictures;
    QuietMediaDevice media;
    QuietWaveSound waves;
    QuietDisplay display;
    QuietControllerPlace controllerPlace{WindowRect{1000, 1000, 9345, 1620}};
    PresentationCore presentation{
        {script, settings, timers, screen, fonts, existence, pictures, clipboard, media, waves, display, display,
         controllerPlace, windows, windows, windows, windows}};
    SteppingEngine& engine = presentation.engine();
    QuietController controller{true};
};

void BM_NextThroughScript(benchmark::State& state)
{
    EngineBench bench;
    const int end = bench.script.content().lineCount() + 1;
    std::int64_t steps = 0;
    for (auto _ : state) {
        bench.engine.startRun(bench.controller);
        while (bench.engine.stepPointer() != end) {
            bench.engine.next();
            bench.timers.letTimePass();
            ++steps;
        }
    }
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_NextThroughScript)->Unit(benchmark::kMillisecond);

void BM_BuildStepHistory(benchmark::State& state)
{
    EngineBench bench;
    for (auto _ : state)
        bench.engine.startRun(bench.controller);
    state.counters["steps"] = double(bench.engine.stepHistory().size());
}
BENCHMARK(BM_BuildStepHistory)->Unit(benchmark::kMicrosecond);

void BM_BackFromBottomToTop(benchmark::State& state)
{
    EngineBench bench;
    bench.engine.startRun(bench.controller);
    std::int64_t steps = 0;
    for (auto _ : state) {
        bench.engine.bottom();
        while (bench.engine.stepPointer() != 0) {
            bench.engine.back();
            bench.timers.letTimePass();
            ++steps;
        }
    }
    state.SetItemsProcessed(steps);
}
BENCHMARK(BM_BackFromBottomToTop)->Unit(benchmark::kMillisecond);

} // namespace
