#include "platform/desktop/desktoptextfiles.h"
#include "script/commandparameters.h"
#include "script/scripttables.h"
#include "showscript.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_ParseScript5000Lines(benchmark::State& state)
{
    const QStringList lines = makeShowScript(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(qc::parseScript(lines, QStringLiteral("show.txt")));
}
BENCHMARK(BM_ParseScript5000Lines)->Unit(benchmark::kMillisecond);

void BM_LoadScriptFile5000Lines(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.txt"));
    qc::DesktopTextFiles files;
    files.writeLines(path, makeShowScript(5000));
    for (auto _ : state) {
        const std::optional<QStringList> lines = files.readLines(path, qc::kMaxScriptLines);
        benchmark::DoNotOptimize(qc::parseScript(*lines, QStringLiteral("show.txt")));
    }
}
BENCHMARK(BM_LoadScriptFile5000Lines)->Unit(benchmark::kMillisecond);

void BM_SplitTwentyTokenCommand(benchmark::State& state)
{
    QString line = QStringLiteral("@qc-subset");
    for (int i = 1; i < 20; ++i)
        line += QStringLiteral(" caption%1=\"A caption with spaces %1\"").arg(i);
    for (auto _ : state)
        benchmark::DoNotOptimize(qc::parseCommandParameters(line, true));
}
BENCHMARK(BM_SplitTwentyTokenCommand)->Unit(benchmark::kMicrosecond);

} // namespace
