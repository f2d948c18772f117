#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"
#include "platform/steppedtimers.h"
#include "presentation/clipboardoutput.h"
#include "presentation/linecommands.h"
#include "presentation/steppingengine.h"
#include "script/cliptokens.h"
#include "script/script.h"
#include "settings/settingsfile.h"
#include "shell/preview/quietdesktop.h"
#include "showscript.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace qc;
using namespace qc::preview;

class NoCommands : public DisplayCommandsPort {
public:
    explicit NoCommands(std::function<void()> clear) : clear_(std::move(clear)) {}
    void check() override {}
    void apply() override {}
    void clear() override { clear_(); }
    void refreshShelterRect() override {}
    void followShelter() override {}
    void leaveShelter() override {}

private:
    std::function<void()> clear_;
};

// The stepping engine over a 5000-line script on the quiet desktop.
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
    ClipTokens tokens;
    CommandStaging staging;
    QuietWindows windows;
    LineCommands lineCommands{staging, windows};
    QuietDisplay display;
    NoCommands displayCommands{[this] { staging.display.values.fill(QString()); }};
    NoCommands subCommands{[] {}};
    NoCommands musicCommands{[] {}};
    ClipboardOutput output{clipboard, settings};
    SteppingEngine engine{script, settings, tokens, staging, lineCommands,
                          SteppingPorts{display, displayCommands, subCommands, musicCommands, windows, output},
                          timers};
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
