#include "script/scripttables.h"

#include "script/asciicase.h"
#include "script/cliptokens.h"
#include "script/texthelpers.h"


namespace qc {

namespace {

struct KeywordEntry {
    Command command;
    QLatin1String keyword;
};

// In the order they are tested.
const std::array<KeywordEntry, 12> kKeywords{{
    {Command::Enter, QLatin1String("@qc-enter")},
    {Command::ClipOn, QLatin1String("@qc-clipon")},
    {Command::ClipOff, QLatin1String("@qc-clipoff")},
    {Command::ClipSend, QLatin1String("@qc-clipsend")},
    {Command::Rem, QLatin1String("@qc-rem")},
    {Command::Cls, QLatin1String("@qc-cls")},
    {Command::Set, QLatin1String("@qc-set")},
    {Command::Reset, QLatin1String("@qc-reset")},
    {Command::SubSet, QLatin1String("@qc-subset")},
    {Command::SubReset, QLatin1String("@qc-subreset")},
    {Command::MusicSet, QLatin1String("@qc-musicset")},
    {Command::MusicReset, QLatin1String("@qc-musicreset")},
}};

constexpr int kMaxBlockLines = 20;

Command commandOfLine(const QString& line)
{
    const QStringView head = QStringView(line).left(20);
    for (const KeywordEntry& entry : kKeywords) {
        if (!startsWithAscii(head, entry.keyword))
            continue;
        const qsizetype length = entry.keyword.size();
        if (line.size() == length || line[length] == u' ')
            return entry.command;
        return Command::None;
    }
    return Command::None;
}

constexpr int kNoBlock = -1;

// Whether a line is a block marker, and the block it opens (kNoBlock for none).
struct MarkerResult {
    bool isMarker = false;
    int slot = kNoBlock;
};

MarkerResult blockMarker(const QString& line)
{
    const QStringView head = QStringView(line).left(20);
    if (startsWithAscii(head, QLatin1String("'@qc-header")))
        return {true, kHeaderBlock};
    if (startsWithAscii(head, QLatin1String("'@qc-footer")))
        return {true, kFooterBlock};
    if (startsWithAscii(head, QLatin1String("'@qc-subtext"))) {
        const QChar digit = line.size() > 12 ? line[12] : QChar();
        if (digit >= u'0' && digit <= u'9')
            return {true, kSubTextBlockBase + (digit.unicode() - u'0')};
        return {true, kNoBlock};
    }
    return {};
}

// Collects the comment lines that follow a block marker.
class BlockCollector {
public:
    explicit BlockCollector(std::array<QString, kScriptBlockCount>& blocks) : blocks_(blocks) {}

    void endBlock()
    {
        slot_ = kNoBlock;
        count_ = 0;
    }

    void open(int slot)
    {
        slot_ = slot;
        count_ = 0;
    }

    void commentLine(const QString& line)
    {
        if (slot_ == kNoBlock || count_ >= kMaxBlockLines) {
            endBlock();
            return;
        }
        QString& block = blocks_[std::size_t(slot_)];
        if (count_ > 0) {
            block += QStringLiteral("\r\n");
            block += QStringView(line).mid(1);
        } else {
            block = line.mid(1);
        }
        ++count_;
    }

private:
    std::array<QString, kScriptBlockCount>& blocks_;
    int slot_ = kNoBlock;
    int count_ = 0;
};

struct OneLineForms {
    QString title;
    QString header;
    QString footer;
};

// Title, header and footer lines are looked for in the first and the last ten lines only.
OneLineForms scanOneLineForms(const std::vector<ScriptLine>& lines)
{
    const int count = int(lines.size());
    std::vector<int> numbers;
    for (int i = 1; i <= std::min(10, count); ++i)
        numbers.push_back(i);
    for (int i = std::max(11, count - 9); i <= count; ++i)
        numbers.push_back(i);

    OneLineForms forms;
    for (int number : numbers) {
        const QString& text = lines[std::size_t(number - 1)].text;
        if (text.isEmpty())
            continue;
        if (startsWithAscii(text, QLatin1String("'qc-title ")))
            forms.title = limitLength(stripOuterQuotes(text.mid(10)), 80);
        else if (startsWithAscii(text, QLatin1String("'qc-header ")))
            forms.header = stripOuterQuotes(text.mid(11));
        else if (startsWithAscii(text, QLatin1String("'qc-footer ")))
            forms.footer = stripOuterQuotes(text.mid(11));
    }
    return forms;
}

QString finishHeaderOrFooter(const QString& block, const QString& oneLine)
{
    const QString text = block.isEmpty() ? oneLine : block;
    if (text.isEmpty())
        return text;
    return stripClipTokens(replaceEnterTokens(text)) + QStringLiteral("\r\n");
}

} // namespace

QLatin1String commandKeyword(Command command)
{
    for (const KeywordEntry& entry : kKeywords) {
        if (entry.command == command)
            return entry.keyword;
    }
    return QLatin1String("");
}

ScriptContent parseScript(const QStringList& lines, const QString& fileName)
{
    ScriptContent content;
    const qsizetype count = std::min<qsizetype>(lines.size(), kMaxScriptLines);
    content.lines.reserve(std::size_t(count));
    BlockCollector blocks(content.blocks);

    for (qsizetype i = 0; i < count; ++i) {
        ScriptLine line{lines[i], LineKind::None, Command::None};
        if (line.text.isEmpty())
            line.kind = LineKind::Empty;
        else if (line.text.startsWith(u'\''))
            line.kind = LineKind::Comment;

        if (line.kind == LineKind::Comment) {
            const MarkerResult marker = blockMarker(line.text);
            if (marker.isMarker)
                blocks.open(marker.slot);
            else
                blocks.commentLine(line.text);
        } else {
            blocks.endBlock();
        }

        if (line.kind == LineKind::None) {
            line.command = commandOfLine(line.text);
            line.kind = line.command == Command::None ? LineKind::Text : LineKind::Command;
        }
        content.lines.push_back(std::move(line));
    }

    const OneLineForms forms = scanOneLineForms(content.lines);
    QString title = forms.title.isEmpty() ? forms.title : stripClipTokens(forms.title);
    if (title.isEmpty())
        title = fileName.isEmpty() ? kNoScriptTitle : fileName;
    content.title = title;
    content.header = finishHeaderOrFooter(content.blocks[kHeaderBlock], forms.header);
    content.footer = finishHeaderOrFooter(content.blocks[kFooterBlock], forms.footer);
    return content;
}

} // namespace qc
