#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"

#include "qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qc {
namespace {

class DesktopFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readBytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    DesktopTextFiles files;
    DesktopFileExistence existence;
};

TEST_F(DesktopFiles, ExistenceMeansARegularFile)
{
    writeBytes("a.txt", "x");
    EXPECT_TRUE(existence.fileExists(path("a.txt")));
    EXPECT_FALSE(existence.fileExists(path("b.txt")));
    EXPECT_FALSE(existence.fileExists(dir.path()));
    EXPECT_FALSE(existence.fileExists(QString()));
}

TEST_F(DesktopFiles, ReadsWhatItWrote)
{
    const QStringList lines{"[QCST]", "ShowTxtFName=ＭＳ Ｐゴシック", "ShowTxtVoiceSoft=/opt/voice/😀"};
    ASSERT_TRUE(files.writeLines(path("QCST.INI"), lines));
    EXPECT_EQ(files.readLines(path("QCST.INI"), 100), lines);
}

TEST_F(DesktopFiles, UnreadableThingsAreNoCrash)
{
    EXPECT_EQ(files.readLines(path("missing.txt"), 100), std::nullopt);
    const std::optional<QStringList> folder = files.readLines(dir.path(), 100);
    EXPECT_TRUE(!folder || folder->isEmpty());
}

// A save cut short by a kill on a file system without unnamed files leaves "QCST.INI.XXXXXX";
// the next save clears it away and nothing else.
TEST_F(DesktopFiles, ASaveClearsWhatAnInterruptedSaveLeftBeside)
{
    writeBytes("QCST.INI.aB3xYz", "half a file");
    writeBytes("QCST.INI.keep-me", "the operator's copy");
    writeBytes("QCST.INI.bak", "the operator's backup");
    ASSERT_TRUE(files.writeLines(path("QCST.INI"), {"[QCST]"}));
    EXPECT_FALSE(QFile::exists(path("QCST.INI.aB3xYz")));
    EXPECT_TRUE(QFile::exists(path("QCST.INI.keep-me")));
    EXPECT_TRUE(QFile::exists(path("QCST.INI.bak")));
}

TEST_F(DesktopFiles, BinaryAndHugeInputsStayBounded)
{
    QByteArray binary;
    for (int i = 0; i < 200000; ++i)
        binary += char(i * 7919 % 256);
    writeBytes("binary.bin", binary);
    const std::optional<QStringList> read = files.readLines(path("binary.bin"), 5000);
    ASSERT_TRUE(read);
    EXPECT_LE(read->size(), 5000);

    // Reading stops 8 MB into a file: no text the program keeps is longer.
    writeBytes("long.txt", QByteArray(9 * 1024 * 1024, 'x') + "\nsecond\n");
    const std::optional<QStringList> longLine = files.readLines(path("long.txt"), 5000);
    ASSERT_TRUE(longLine);
    ASSERT_EQ(longLine->size(), 1);
    EXPECT_EQ(longLine->at(0).size(), 8 * 1024 * 1024);

    QByteArray many;
    for (int i = 1; i <= 100000; ++i)
        many += QByteArray::number(i) + "\r\n";
    writeBytes("many.txt", many);
    const std::optional<QStringList> capped = files.readLines(path("many.txt"), 5000);
    ASSERT_TRUE(capped);
    ASSERT_EQ(capped->size(), 5000);
    EXPECT_EQ(capped->last(), "5000");
}

TEST_F(DesktopFiles, AWriteIntoAMissingFolderFails)
{
    EXPECT_FALSE(files.writeLines(path("no/such/folder/QCST.INI"), {"new"}));
}

TEST_F(DesktopFiles, TheOldFileIsReplacedWholeNotOverwritten)
{
    ASSERT_TRUE(files.writeLines(path("QCST.INI"), {"[QCST]", "ShowTxtBreak=1"}));
    QFile reader(path("QCST.INI"));
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    // The new file is written beside the old one and then takes its name, so whoever had
    // the old one open, or whatever ends the program meanwhile, sees a whole file.
    ASSERT_TRUE(files.writeLines(path("QCST.INI"), {"[QCST]", "ShowTxtBreak=7"}));
    EXPECT_EQ(reader.readAll(), "[QCST]\r\nShowTxtBreak=1\r\n");
    EXPECT_EQ(readBytes("QCST.INI"), "[QCST]\r\nShowTxtBreak=7\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"QCST.INI"}));
}

} // namespace
} // namespace qc
