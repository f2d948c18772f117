#include "platform/desktop/desktoptextfiles.h"
#include "script/commandparameters.h"
#include "script/scripttables.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A show-like script: blocks of text separated by blank lines, with comments and commands.
QStringList makeScriptLines(int count)
{
    QStringList lines;
    for (int i = 1; lines.size() < count; ++i) {
        lines << QStringLiteral("'--- part %1").arg(i)
              << QStringLiteral("@qc-set forecolor=\"FF%1\" fontsize=\"24\"").arg(i % 10000, 4, 10, QChar(u'0'))
              << QStringLiteral("皆さんこんばんは、第%1部です。@clpspc@よろしくお願いします。").arg(i)
              << QStringLiteral("Tonight's topic@ent@number %1 @clpsw@(note)@clpsw@").arg(i)
              << QString();
    }
    return lines.mid(0, count);
}

void BM_ParseScript5000Lines(benchmark::State& state)
{
    const QStringList lines = makeScriptLines(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(qc::parseScript(lines, QStringLiteral("show.txt")));
}
BENCHMARK(BM_ParseScript5000Lines)->Unit(benchmark::kMillisecond);

void BM_LoadScriptFile5000Lines(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.txt"));
    qc::DesktopTextFiles files;
    files.writeLines(path, makeScriptLines(5000));
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
