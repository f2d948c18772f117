#include "script/commandparameters.h"
#include "script/keynames.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(CommandParameters, KeyValuePairsWithSpacesInQuotes)
{
    const CommandParameters p =
        parseCommandParameters(u"@qc-set title=\"My Show\" fontsize=\"24\"", true);
    ASSERT_EQ(p.count(), 2);
    EXPECT_EQ(p.keys, QStringList({"title", "fontsize"}));
    EXPECT_EQ(p.values, QStringList({"My Show", "24"}));
    EXPECT_EQ(p.tokens, QStringList({"title=\"My Show\"", "fontsize=\"24\""}));
}

TEST(CommandParameters, SplittingRules)
{
    const struct {
        const char16_t* line;
        QStringList keys;
        QStringList values;
    } cases[] = {
        // Runs of spaces give no empty tokens.
        {u"@qc-set   bold=\"1\"    italic=\"0\"  ", {"bold", "italic"}, {"1", "0"}},
        // Keys are lower-cased, values keep their case.
        {u"@QC-SET ForeColor=\"ffAA00\"", {"forecolor"}, {"ffAA00"}},
        // Without quotes an equals sign is part of the key.
        {u"@qc-set width=50", {"width=50"}, {""}},
        // Positional words arrive as keys.
        {u"@qc-enter 3", {"3"}, {""}},
        // A missing closing quote takes the rest of the line.
        {u"@qc-set title=\"open ended text", {"title"}, {"open ended text"}},
        // The value stops at its closing quote; the token runs on to the next space.
        {u"@qc-set title=\"a b\"tail next", {"title", "next"}, {"a b", ""}},
        // Tabs and full-width spaces are ordinary characters.
        {u"@qc-set a=\"1\"\tb=\"2\"　c", {"a"}, {"1"}},
        // A quote before the first space holds the token together.
        {u"@qc-set \"quoted key\" x", {"\"quoted key\"", "x"}, {"", ""}},
        // The first equals sign followed by a quote splits key and value.
        {u"@qc-set a=b=\"c\"", {"a=b"}, {"c"}},
        {u"@qc-cls", {}, {}},
    };
    for (const auto& c : cases) {
        const CommandParameters p = parseCommandParameters(QString::fromUtf16(c.line), true);
        EXPECT_EQ(p.keys, c.keys) << QString::fromUtf16(c.line).toStdString();
        EXPECT_EQ(p.values, c.values) << QString::fromUtf16(c.line).toStdString();
    }
}

TEST(CommandParameters, AtMostTwentyTokensKeywordIncluded)
{
    QString line = QStringLiteral("@qc-set");
    for (int i = 1; i <= 25; ++i)
        line += QStringLiteral(" k%1=\"%1\"").arg(i);
    const CommandParameters withKeyword = parseCommandParameters(line, false);
    EXPECT_EQ(withKeyword.count(), 20);
    EXPECT_EQ(withKeyword.token(1), "@qc-set");
    const CommandParameters p = parseCommandParameters(line, true);
    ASSERT_EQ(p.count(), 19);
    EXPECT_EQ(p.keys.last(), "k19");
    EXPECT_EQ(p.token(1), "k1=\"1\"");
    EXPECT_EQ(p.token(20), "");
}

TEST(KeyNames, SlotsAreFixed)
{
    EXPECT_EQ(keySlot(kDisplayKeyNames, u"fontname"), 1);
    EXPECT_EQ(keySlot(kDisplayKeyNames, u"shelter"), 13);
    EXPECT_EQ(keySlot(kDisplayKeyNames, u"left"), 7);
    EXPECT_EQ(keySlot(kSubKeyNames, u"id"), 1);
    EXPECT_EQ(keySlot(kSubKeyNames, u"picreverse"), 23);
    EXPECT_EQ(keySlot(kMusicKeyNames, u"musicvolume"), 11);
    EXPECT_EQ(keySlot(kMusicKeyNames, u"title"), 13);
    EXPECT_EQ(keySlot(kDisplayKeyNames, u"FONTNAME"), 0);   // keys arrive lower-cased
    EXPECT_EQ(keySlot(kDisplayKeyNames, u"id"), 0);
}

} // namespace
} // namespace qc
