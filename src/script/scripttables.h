#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

namespace qc {

inline constexpr int kMaxScriptLines = 5000;
// At most this many characters of a script are kept, the lines that would pass it dropped as
// lines after the 5000th are: far more than any show's script, and little enough that the
// display lays out a step of all of it within a second.
inline constexpr qsizetype kMaxScriptCharacters = 2'000'000;

enum class LineKind : std::int16_t {
    None = 0,    // no line here
    Empty = 1,
    Comment = 2, // starts with an apostrophe
    Text = 3,
    Command = 4, // starts with a command keyword, alone or followed by a space
};

enum class Command {
    None,
    Enter,
    ClipOn,
    ClipOff,
    ClipSend,
    Rem,
    Cls,
    Set,
    Reset,
    SubSet,
    SubReset,
    MusicSet,
    MusicReset,
};

// The lower-case keyword of a command ("@qc-enter", ...); "" for None.
QLatin1String commandKeyword(Command command);

// Comment blocks: the header, the footer and sub texts 0..9.
inline constexpr int kHeaderBlock = 0;
inline constexpr int kFooterBlock = 1;
inline constexpr int kSubTextBlockBase = 2;
inline constexpr int kScriptBlockCount = 12;

inline const QString kNoScriptTitle = QStringLiteral("表示");

struct ScriptLine {
    QString text;
    LineKind kind = LineKind::None;
    Command command = Command::None;
};

// The loaded script: its lines by number (from 1), its comment blocks, title, header and
// footer. Header and footer are "" or end in CR LF.
struct ScriptContent {
    std::vector<ScriptLine> lines;
    std::array<QString, kScriptBlockCount> blocks;
    QString title = kNoScriptTitle;
    QString header;
    QString footer;

    int lineCount() const { return int(lines.size()); }
    const ScriptLine& line(int number) const { return lines[std::size_t(number - 1)]; }
    // The kind of a line number; None outside 1..lineCount().
    LineKind kind(int number) const
    {
        return (number >= 1 && number <= lineCount()) ? line(number).kind : LineKind::None;
    }
    bool isTextOrCommand(int number) const
    {
        const LineKind k = kind(number);
        return k == LineKind::Text || k == LineKind::Command;
    }
};

// Classifies the lines of a script (at most 5000 are kept) and collects its blocks and its
// one-line title, header and footer forms. fileName is the title when the script names none.
ScriptContent parseScript(const QStringList& lines, const QString& fileName);

} // namespace qc
