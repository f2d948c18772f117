#include "script/cliptokens.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

const QString kPause = QStringLiteral(",,,,,");

TEST(TokenRemoval, EnterTokensBecomeLineBreaks)
{
    EXPECT_EQ(replaceEnterTokens(u"one@ENT@two@Ent@three"), "one\r\ntwo\r\nthree");
    EXPECT_EQ(replaceEnterTokens(u"no tokens @ent here"), "no tokens @ent here");
}

TEST(TokenRemoval, StripMakesOnePassPerToken)
{
    EXPECT_EQ(stripClipTokens(u"a@clp@b@CLPSPC@c@clpsw@d@clpsnd@e@ent@f"), "abcdef");
    // Removing "@clpspc@" joins "@cl" and "p@" into "@clp@", whose pass has already run.
    EXPECT_EQ(stripClipTokens(u"@cl@clpspc@p@x"), "@clp@x");
    EXPECT_EQ(stripClipTokens(u"mail@example.com @other@"), "mail@example.com @other@");
}

struct StepCase {
    const char16_t* lines;  // the gathered step text, lines joined by CR LF and closed by CR LF
    const char16_t* display;
    const char16_t* clip;
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    PrintTo(QString::fromUtf16(c.lines), os);
}

class StepTokens : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepTokens, DisplayAndClipboardForms)
{
    ClipTokens tokens;
    const QString lines = QString::fromUtf16(GetParam().lines);
    const StepTexts texts = tokens.finishStep(lines, lines, kPause);
    EXPECT_EQ(texts.display, QString::fromUtf16(GetParam().display));
    EXPECT_EQ(texts.clip, QString::fromUtf16(GetParam().clip));
}

INSTANTIATE_TEST_SUITE_P(Lines, StepTokens, ::testing::Values(
    StepCase{u"hello@ENT@world\r\n", u"hello\r\nworld\r\n", u"hello\r\nworld\r\n"},
    // Text before @clpsnd@ is for the clipboard only, and goes in front.
    StepCase{u"(to chat) @clpsnd@Good evening\r\n", u"Good evening\r\n", u"(to chat) Good evening\r\n"},
    // Only the first @clpsnd@ splits; a second is just removed.
    StepCase{u"pre@clpsnd@mid@clpsnd@post\r\n", u"midpost\r\n", u"premidpost\r\n"},
    // Inside the clipboard-only text, line breaks are removed.
    StepCase{u"a@ent@b@clpsnd@c\r\n", u"c\r\n", u"abc\r\n"},
    StepCase{u"one@clpspc@two\r\n", u"onetwo\r\n", u"one,,,,,two\r\n"},
    StepCase{u"keep@clpsw@remark@clpsw@more\r\n", u"keepremarkmore\r\n", u"keepmore\r\n"},
    // An unpaired last switch leaves out the rest.
    StepCase{u"a@clpsw@b@clpsw@c@clpsw@d\r\n", u"abcd\r\n", u"ac"},
    // A switched form that comes out empty counts as none: the shown text is copied.
    StepCase{u"@clpsw@only a remark@clpsw@", u"only a remark", u"only a remark"},
    StepCase{u"a@clpspc@b@clpsw@x@clpsw@c\r\n", u"abxc\r\n", u"a,,,,,bc\r\n"},
    StepCase{u"plain@clp@line\r\n", u"plainline\r\n", u"plainline\r\n"},
    StepCase{u"MiXeD@ClpSpc@Case\r\n", u"MiXeDCase\r\n", u"MiXeD,,,,,Case\r\n"},
    StepCase{u"", u"", u""}
));

TEST(StepTokens, DisplayAndClipLinesMayDiffer)
{
    ClipTokens tokens;
    const StepTexts texts = tokens.finishStep(u"A\r\nB\r\n", u"A\r\n", kPause);
    EXPECT_EQ(texts.display, "A\r\nB\r\n");
    EXPECT_EQ(texts.clip, "A\r\n");
}

TEST(StepTokens, PauseTextComesFromTheCaller)
{
    ClipTokens tokens;
    EXPECT_EQ(tokens.finishStep(u"x@clpspc@y", u"x@clpspc@y", u"、、").clip, "x、、y");
}

TEST(StepTokens, StaleStateOfAnEarlierStepIsNotCarriedOver)
{
    ClipTokens tokens;
    tokens.finishStep(u"pre@clpsnd@a@clpsw@b", u"pre@clpsnd@a@clpsw@b", kPause);
    const StepTexts texts = tokens.finishStep(u"plain", u"plain", kPause);
    EXPECT_EQ(texts.clip, "plain");
}

TEST(SubDisplayValues, ClpTokenCopiesTheValue)
{
    ClipTokens tokens;
    EXPECT_EQ(tokens.subDisplayValue(u"Guest: Aoi@clp@", kPause), "Guest: Aoi");
    EXPECT_EQ(tokens.subClipText(), "Guest: Aoi");
}

TEST(SubDisplayValues, PlainValuesAreNotCopied)
{
    ClipTokens tokens;
    EXPECT_EQ(tokens.subDisplayValue(u"line1@ent@line2", kPause), "line1\r\nline2");
    EXPECT_EQ(tokens.subClipText(), "");
}

TEST(SubDisplayValues, ClipboardFormsGatherInOrder)
{
    ClipTokens tokens;
    EXPECT_EQ(tokens.subDisplayValue(u"say@clpsnd@shown", kPause), "shown");
    EXPECT_EQ(tokens.subDisplayValue(u"a@clpspc@b", kPause), "ab");
    EXPECT_EQ(tokens.subDisplayValue(u"c@clpsw@hidden@clpsw@d@clp@", kPause), "chiddend");
    EXPECT_EQ(tokens.subClipText(), "sayshowna,,,,,bcd");
    tokens.clearSubClipText();
    EXPECT_EQ(tokens.subClipText(), "");
}

TEST(SubDisplayValues, SwitchThatLeavesNothingIsNotCopied)
{
    ClipTokens tokens;
    EXPECT_EQ(tokens.subDisplayValue(u"@clpsw@x@clpsw@", kPause), "x");
    EXPECT_EQ(tokens.subClipText(), "");
}

} // namespace
} // namespace qc
