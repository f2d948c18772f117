#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"
#include "script/script.h"

#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qc {
namespace {

// The loader on real files of every awkward kind an operator might hand it.
class ScriptFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void load(const QString& path)
    {
        script.setLocation(ScriptLocation::ofPath(path));
        script.load();
    }

    QTemporaryDir dir;
    DesktopTextFiles files;
    DesktopFileExistence existence;
    test::RecordingMessageBox messages;
    Script script{files, existence, messages};
};

TEST_F(ScriptFiles, ShiftJisScriptWithMixedLineEnds)
{
    load(write("sjis.txt", "'qc-title \x95\x5C\x8E\xA6\r\n\x82\xA0\r\x82\xA2\n\n@QC-ENTER 2\r\n"));
    ASSERT_EQ(script.content().lineCount(), 5);
    EXPECT_EQ(script.content().title, "表示");
    EXPECT_EQ(script.content().line(2).text, "あ");
    EXPECT_EQ(script.content().line(3).text, "い");
    EXPECT_EQ(script.content().kind(4), LineKind::Empty);
    EXPECT_EQ(script.content().line(5).command, Command::Enter);
}

TEST_F(ScriptFiles, EmptyFileTakesItsNameAsTitle)
{
    load(write("empty.txt", ""));
    EXPECT_EQ(script.content().lineCount(), 0);
    EXPECT_EQ(script.content().title, "empty.txt");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ScriptFiles, BinaryFileLoadsAsReplacementText)
{
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += char((i * 131 + 7) % 256);
    load(write("picture.bin", bytes));
    EXPECT_LE(script.content().lineCount(), 5000);
    EXPECT_GT(script.content().lineCount(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ScriptFiles, HugeFilesAreCutAtFiveThousandLines)
{
    QByteArray bytes;
    for (int i = 1; i <= 100000; ++i)
        bytes += "line " + QByteArray::number(i) + "\n";
    load(write("long.txt", bytes));
    ASSERT_EQ(script.content().lineCount(), 5000);
    EXPECT_EQ(script.content().line(5000).text, "line 5000");
}

TEST_F(ScriptFiles, AFolderIsNotAScript)
{
    load(write("show.txt", "first\n"));
    load(dir.path());
    EXPECT_EQ(script.content().lineCount(), 1);   // the previous script stays
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A file of one enormous line: the loader keeps the script's first 2 million characters, so
// that the show steps through it at once instead of freezing on it.
TEST_F(ScriptFiles, OneEnormousLineIsCutAtTheScriptsCharacterLimit)
{
    load(write("huge.txt", "A\r\n" + QByteArray(20 * 1024 * 1024, 'x') + "\r\nB\r\n"));
    ASSERT_EQ(script.content().lineCount(), 2);
    EXPECT_EQ(script.content().line(1).text, "A");
    EXPECT_EQ(script.content().line(2).text.size(), kMaxScriptCharacters - 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ScriptFiles, LinesPastTheCharacterLimitAreDroppedLikeLinesPastTheLineLimit)
{
    const QByteArray line(1000 * 1000, 'y');
    load(write("wide.txt", line + "\r\n" + line + "\r\nlast\r\n"));
    ASSERT_EQ(script.content().lineCount(), 2);
    EXPECT_EQ(script.content().line(2).text.size(), 1000 * 1000);
}

} // namespace
} // namespace qc
