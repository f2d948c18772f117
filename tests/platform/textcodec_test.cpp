#include "platform/desktop/textcodec.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

QStringList asText(const QList<QByteArrayView>& lines)
{
    QStringList out;
    for (QByteArrayView line : lines)
        out << QString::fromLatin1(line);
    return out;
}

TEST(SplitRawLines, EveryLineEndForm)
{
    EXPECT_EQ(asText(splitRawLines("a\r\nb\rc\nd", 100)), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(asText(splitRawLines("a\r\n", 100)), QStringList({"a"}));       // no empty last line
    EXPECT_EQ(asText(splitRawLines("a\n\nb\n", 100)), QStringList({"a", "", "b"}));
    EXPECT_EQ(asText(splitRawLines("\r\n\r\n", 100)), QStringList({"", ""}));
    EXPECT_EQ(asText(splitRawLines("a\n\rb", 100)), QStringList({"a", "", "b"}));  // LF CR is two ends
    EXPECT_EQ(asText(splitRawLines("", 100)), QStringList());
    EXPECT_EQ(asText(splitRawLines("1\n2\n3\n4", 2)), QStringList({"1", "2"}));
}

TEST(Utf8Check, ValidAndInvalidSequences)
{
    EXPECT_TRUE(isValidUtf8("plain ascii"));
    EXPECT_TRUE(isValidUtf8("\xE8\xA1\xA8\xE7\xA4\xBA"));          // 表示
    EXPECT_TRUE(isValidUtf8("\xF0\x9F\x98\x80"));                  // an emoji
    EXPECT_FALSE(isValidUtf8("\x95\x5C\x8E\xA6"));                 // 表示 in code page 932
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));                         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));                     // a surrogate
    EXPECT_FALSE(isValidUtf8("\xE8\xA1"));                         // cut off
    EXPECT_FALSE(isValidUtf8("\xF5\x80\x80\x80"));                 // beyond U+10FFFF
}

TEST(DecodeTextLines, ChoosesTheEncoding)
{
    // UTF-8, with and without a byte order mark.
    EXPECT_EQ(decodeTextLines("\xE8\xA1\xA8\xE7\xA4\xBA\r\nB", 100), QStringList({"表示", "B"}));
    EXPECT_EQ(decodeTextLines("\xEF\xBB\xBFhello\n", 100), QStringList({"hello"}));
    // Code page 932: kanji, half-width katakana, and the backslash byte.
    EXPECT_EQ(decodeTextLines("\x95\x5C\x8E\xA6\r\n\xC3\xB7\xBD\xC4\r\nC:\\show", 100),
              QStringList({"表示", "ﾃｷｽﾄ", "C:\\show"}));
}

TEST(DecodeTextLines, UndecodableBytesBecomeReplacementCharacters)
{
    // Neither UTF-8 nor code page 932: a lone lead byte at the end, and an unused byte.
    const QStringList lines = decodeTextLines("ok\xA0x\n\x81", 100);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("ok\uFFFDx"));
    EXPECT_EQ(lines[1], QStringLiteral("\uFFFD"));
}

TEST(DecodeTextLines, Utf16WithItsMarkInEitherByteOrder)
{
    QByteArray little("\xFF\xFE");
    QByteArray big("\xFE\xFF");
    for (const char16_t unit : u"[QCST]\r\nShowTxtClipSpace=、、\r\n") {
        if (unit == 0)
            break;
        little += char(unit & 0xFF);
        little += char(unit >> 8);
        big += char(unit >> 8);
        big += char(unit & 0xFF);
    }
    const QStringList expected{"[QCST]", "ShowTxtClipSpace=、、"};
    EXPECT_EQ(decodeTextLines(little, 100), expected);
    EXPECT_EQ(decodeTextLines(big, 100), expected);
}

// Found by fuzzing: a line that starts with U+FEFF lost it on reading, so a save did not read
// back the same.
TEST(DecodeTextLines, ALineThatStartsWithAByteOrderMarkCharacterKeepsIt)
{
    const QStringList lines = decodeTextLines(QByteArray("\xFE\xFF\xFE\xFF\xFE\xFF\xFE", 7), 5000);
    EXPECT_EQ(lines, QStringList{QString(2, QChar(0xFEFF))});
    EXPECT_EQ(decodeTextLines(encodeTextLines(lines), 5000), lines);
    const QStringList marked = decodeTextLines("\xEF\xBB\xBF\xEF\xBB\xBF" "a\r\n\xEF\xBB\xBF", 10);
    EXPECT_EQ(marked, QStringList({QStringLiteral("\uFEFFa"), QStringLiteral("\uFEFF")}));
}

TEST(DecodeTextLines, OnlyTheKeptLinesDecideTheEncoding)
{
    // A code page 932 byte after the last kept line does not change how the kept lines read.
    EXPECT_EQ(decodeTextLines("\xE8\xA1\xA8\n\x95\x5C", 1), QStringList({"表"}));
}

TEST(EncodeTextLines, CodePageWhenItFitsElseMarkedUtf8)
{
    EXPECT_EQ(encodeTextLines({"[QCST]", "ShowTxtFName=ＭＳ Ｐゴシック"}),
              QByteArray("[QCST]\r\nShowTxtFName=\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\n"));
    const QByteArray mixed = encodeTextLines({"voice=😀"});
    EXPECT_EQ(mixed, QByteArray("\xEF\xBB\xBFvoice=\xF0\x9F\x98\x80\r\n"));
    // Whatever was written reads back the same, also characters whose code page 932 form
    // would read back as another character.
    for (const QStringList& lines : {QStringList{"表示", "ﾃｷｽﾄ", "a\\b"}, QStringList{"😀", "한국어"},
                                     QStringList{"¥100"}, QStringList{"〜"}, QStringList{"−"}, QStringList{"—"},
                                     QStringList{"ShowTxtClipSpace=ﾗｼﾞｵ"}, QStringList{"InitDir=/home/me/ﾗｼﾞｵ/"},
                                     QStringList{"ｱｲ", "ｳｴｵ"}})
        EXPECT_EQ(decodeTextLines(encodeTextLines(lines), 100), lines) << lines.join(u' ').toStdString();
}

TEST(EncodeTextLines, CodePageBytesThatAlsoReadAsUtf8AreWrittenAsMarkedUtf8)
{
    // ﾗｼﾞｵ in code page 932 is D7 BC DE B5: two valid UTF-8 characters.
    const QByteArray written = encodeTextLines({"ShowTxtClipSpace=ﾗｼﾞｵ"});
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF"));
}

// A UTF-8 file with a stray byte or two is still UTF-8: the damage becomes U+FFFD and every
// other Japanese text stays as it was.
TEST(DecodeTextLines, AFewStrayBytesInUtf8AreDamageNotCodePage932)
{
    QByteArray bytes;
    for (int i = 0; i < 100; ++i)
        bytes += "\xE8\xA1\xA8";  // 表
    bytes += "\r\nPause=\xE3\x80\x81\xFF\xE3\x80\x81\r\n";  // 、 a stray byte 、
    const QStringList lines = decodeTextLines(bytes, 100);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QString(100, QChar(0x8868)));
    EXPECT_EQ(lines[1], QStringLiteral("Pause=、\uFFFD、"));

    // Mostly stray bytes: code page 932 text that happens to hold one UTF-8 look-alike.
    EXPECT_EQ(decodeTextLines("\x95\x5C\x8E\xA6\xD7\xBC\x95\x5C\x8E\xA6", 10), QStringList({"表示ﾗｼ表示"}));
}

} // namespace
} // namespace qc
