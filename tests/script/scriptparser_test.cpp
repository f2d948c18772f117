#include "script/scripttables.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

ScriptContent parse(const QStringList& lines, const QString& fileName = QStringLiteral("show.txt"))
{
    return parseScript(lines, fileName);
}

TEST(LineKinds, ClassifiesEachLine)
{
    const ScriptContent s = parse({"", "'a remark", "Hello", "@qc-enter", "@qc-enter 3", "@qc-enter3",
                                   " @qc-enter", "@QC-ENTER 2", "@qc-clipsend \"hi\"", "'@qc-set x",
                                   "@qc-setting", "@qc-musicreset"});
    const LineKind expected[] = {LineKind::Empty,   LineKind::Comment, LineKind::Text,
                                 LineKind::Command, LineKind::Command, LineKind::Text,
                                 LineKind::Text,    LineKind::Command, LineKind::Command,
                                 LineKind::Comment, LineKind::Text,    LineKind::Command};
    ASSERT_EQ(s.lineCount(), 12);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(s.kind(i), expected[i - 1]) << "line " << i;
    EXPECT_EQ(s.line(4).command, Command::Enter);
    EXPECT_EQ(s.line(8).command, Command::Enter);        // capitals are the same command
    EXPECT_EQ(commandKeyword(s.line(8).command), QLatin1String("@qc-enter"));
    EXPECT_EQ(s.line(9).command, Command::ClipSend);
    EXPECT_EQ(s.line(12).command, Command::MusicReset);
    EXPECT_EQ(s.line(3).command, Command::None);
    EXPECT_EQ(s.kind(0), LineKind::None);
    EXPECT_EQ(s.kind(13), LineKind::None);
}

TEST(LineKinds, EveryKeywordIsRecognised)
{
    const struct {
        const char* line;
        Command command;
    } cases[] = {
        {"@qc-enter", Command::Enter},       {"@qc-clipon", Command::ClipOn},
        {"@qc-clipoff", Command::ClipOff},   {"@qc-clipsend x", Command::ClipSend},
        {"@qc-rem anything", Command::Rem},  {"@qc-cls", Command::Cls},
        {"@qc-set a=\"1\"", Command::Set},   {"@qc-reset", Command::Reset},
        {"@qc-subset id=\"0\"", Command::SubSet}, {"@qc-subreset", Command::SubReset},
        {"@qc-musicset", Command::MusicSet}, {"@qc-musicreset", Command::MusicReset},
    };
    for (const auto& c : cases) {
        const ScriptContent s = parse({QString::fromUtf8(c.line)});
        EXPECT_EQ(s.line(1).command, c.command) << c.line;
        EXPECT_EQ(s.kind(1), LineKind::Command) << c.line;
    }
}

TEST(LineKinds, LinesAreKeptAsRead)
{
    const ScriptContent s = parse({"  indented\ttab  ", "ｔｅｘｔ"});
    EXPECT_EQ(s.line(1).text, "  indented\ttab  ");
    EXPECT_EQ(s.kind(1), LineKind::Text);
    EXPECT_EQ(s.line(2).text, "ｔｅｘｔ");
}

TEST(LineKinds, AtMostFiveThousandLines)
{
    QStringList lines;
    for (int i = 1; i <= 5001; ++i)
        lines << QString::number(i);
    EXPECT_EQ(parse(lines.mid(0, 5000)).lineCount(), 5000);
    const ScriptContent s = parse(lines);
    EXPECT_EQ(s.lineCount(), 5000);
    EXPECT_EQ(s.line(5000).text, "5000");
}

TEST(CommentBlocks, HeaderFooterAndSubTexts)
{
    const ScriptContent s = parse({"'@qc-header remark on the marker", "'Welcome", "'to the show",
                                   "Text", "'@qc-subtext7", "'hello", "'world", "",
                                   "'@qc-FOOTER", "'Thanks"});
    EXPECT_EQ(s.blocks[kHeaderBlock], "Welcome\r\nto the show");
    EXPECT_EQ(s.blocks[kFooterBlock], "Thanks");
    EXPECT_EQ(s.blocks[9], "hello\r\nworld");
    EXPECT_EQ(s.header, "Welcome\r\nto the show\r\n");
    EXPECT_EQ(s.footer, "Thanks\r\n");
    EXPECT_EQ(s.kind(1), LineKind::Comment);
    EXPECT_EQ(s.kind(2), LineKind::Comment);
}

TEST(CommentBlocks, ANonCommentLineEndsTheBlock)
{
    const ScriptContent s = parse({"'@qc-header", "'first", "", "'after the gap"});
    EXPECT_EQ(s.blocks[kHeaderBlock], "first");
}

TEST(CommentBlocks, AtMostTwentyLines)
{
    QStringList lines{"'@qc-footer"};
    for (int i = 1; i <= 25; ++i)
        lines << QStringLiteral("'f%1").arg(i);
    const ScriptContent s = parse(lines);
    QStringList first20;
    for (int i = 1; i <= 20; ++i)
        first20 << QStringLiteral("f%1").arg(i);
    EXPECT_EQ(s.blocks[kFooterBlock], first20.join("\r\n"));
}

TEST(CommentBlocks, SubTextNeedsADigit)
{
    const ScriptContent s = parse({"'@qc-subtextX", "'plain comment", "'@qc-subtext", "'also plain"});
    for (int slot = 0; slot < kScriptBlockCount; ++slot)
        EXPECT_EQ(s.blocks[std::size_t(slot)], "") << slot;
}

TEST(CommentBlocks, ALaterBlockReplacesAnEarlierOne)
{
    const ScriptContent s = parse({"'@qc-subtext0", "'old one", "'old two", "x", "'@qc-subtext0", "'new"});
    EXPECT_EQ(s.blocks[2], "new");
}

TEST(OneLineForms, TitleHeaderFooter)
{
    const ScriptContent s = parse({"'qc-title \"Evening Show\"", "'QC-HEADER Starting soon",
                                   "'qc-footer \"Good night\"", "Text"});
    EXPECT_EQ(s.title, "Evening Show");
    EXPECT_EQ(s.header, "Starting soon\r\n");
    EXPECT_EQ(s.footer, "Good night\r\n");
}

TEST(OneLineForms, OnlyTheFirstAndLastTenLines)
{
    QStringList lines;
    for (int i = 1; i <= 30; ++i)
        lines << QStringLiteral("text %1").arg(i);
    lines[10] = QStringLiteral("'qc-title at eleven");
    EXPECT_EQ(parse(lines).title, "show.txt");
    lines[24] = QStringLiteral("'qc-title at twenty-five");
    EXPECT_EQ(parse(lines).title, "at twenty-five");
}

TEST(OneLineForms, TheLastInScanOrderWins)
{
    const ScriptContent s = parse({"'qc-title first", "'qc-title second", "text"});
    EXPECT_EQ(s.title, "second");
}

TEST(OneLineForms, TitleIsCutBeforeItsTokensAreRemoved)
{
    const QString long90 = QString(78, u'a') + QStringLiteral("@ent@") + QString(7, u'b');
    const ScriptContent s = parse({"'qc-title " + long90});
    EXPECT_EQ(s.title, QString(78, u'a') + QStringLiteral("@e"));
    EXPECT_EQ(parse({"'qc-title two@ENT@lines"}).title, "twolines");
    EXPECT_EQ(parse({"'qc-title @clp@@ent@"}).title, "show.txt");   // only tokens: the file name
    EXPECT_EQ(parse({"'qc-title @clp@"}, QString()).title, "表示");
    EXPECT_EQ(parse({}, QString()).title, "表示");
}

TEST(OneLineForms, BlockHeaderWinsAndTokensAreExpanded)
{
    const ScriptContent s = parse({"'qc-header one line", "'@qc-header", "'from@ent@block@clp@"});
    EXPECT_EQ(s.header, "from\r\nblock\r\n");
    EXPECT_EQ(parse({"'qc-footer Bye@ENT@now"}).footer, "Bye\r\nnow\r\n");
}

TEST(EmptyScript, HasNoLinesAndTheFileNameAsTitle)
{
    const ScriptContent s = parse({}, QStringLiteral("empty.txt"));
    EXPECT_EQ(s.lineCount(), 0);
    EXPECT_EQ(s.title, "empty.txt");
    EXPECT_EQ(s.header, "");
    EXPECT_EQ(s.footer, "");
}

} // namespace
} // namespace qc
