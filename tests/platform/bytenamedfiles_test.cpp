#include "platform/desktop/bytenamedfiles.h"

#include "qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

#include <sys/stat.h>

namespace qc {
namespace {

// Files whose names are code page 932 bytes, as unpacked from a Windows archive.
class ByteNamedFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void TearDown() override
    {
        // Qt cannot name these files to clear the folder.
        for (const QByteArray& path : made)
            std::remove(path.constData());
        ::rmdir((folder() + "/\x8e\xca\x90\x5e").constData());
    }

    QByteArray folder() const { return QFile::encodeName(dir.path()); }

    void writeRaw(const QByteArray& path, const char* text)
    {
        FILE* file = std::fopen(path.constData(), "wb");
        ASSERT_TRUE(file) << path.toStdString();
        std::fputs(text, file);
        std::fclose(file);
        made.prepend(path);
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir;
    QList<QByteArray> made;
};

TEST_F(ByteNamedFilesTest, AFileNamedInCodePageBytesIsReachedWithItsNeighbours)
{
    const QByteArray script = folder() + "/\x91\xe4\x96\x7b.txt";   // 台本.txt
    writeRaw(script, "Hello");
    writeRaw(folder() + "/cat.png", "cat");
    ASSERT_EQ(::mkdir((folder() + "/\x8e\xca\x90\x5e").constData(), 0700), 0);   // 写真
    writeRaw(folder() + "/\x8e\xca\x90\x5e/a.png", "photo");

    QString reached;
    {
        ByteNamedFiles names;
        reached = names.reachable(script);
        EXPECT_EQ(QFileInfo(reached).fileName(), QStringLiteral("台本.txt"));
        EXPECT_EQ(read(reached), "Hello");
        // Files named relative to the script are found beside it.
        const QDir beside = QFileInfo(reached).dir();
        EXPECT_EQ(read(beside.filePath("cat.png")), "cat");
        EXPECT_EQ(read(beside.filePath(QStringLiteral("写真/a.png"))), "photo");
    }
    EXPECT_FALSE(QFileInfo::exists(reached)) << "the links outlived the run";
}

TEST_F(ByteNamedFilesTest, OtherArgumentsAreTheirText)
{
    writeRaw(folder() + "/plain.txt", "x");
    ByteNamedFiles names;
    const QByteArray utf8 = folder() + "/plain.txt";
    EXPECT_EQ(names.reachable(utf8), QString::fromUtf8(utf8));
    EXPECT_EQ(names.reachable("--preview"), "--preview");
    EXPECT_EQ(names.reachable("/no/such/\x91\xe4.txt"), QStringLiteral("/no/such/\uFFFD\uFFFD.txt"));
    // A folder is no script: left as its text, for the usual message.
    const QByteArray photos = folder() + "/\x8e\xca\x90\x5e";
    ASSERT_EQ(::mkdir(photos.constData(), 0700), 0);
    EXPECT_EQ(names.reachable(photos), QString::fromUtf8(photos));
}

} // namespace
} // namespace qc
