#include "platform/desktop/desktoptextfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <random>
#include <thread>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qc {
namespace {

// A save of the settings file cut short by a kill, a full disk or a folder that may not be
// written: the file on disk is always a whole one, the old or the new.
class FileWriteFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Big enough that a kill often lands in the middle of writing it.
        for (int i = 0; i < 2000; ++i) {
            oldLines << QStringLiteral("Old%1=%2").arg(i).arg(QString(90, QChar('o')));
            newLines << QStringLiteral("New%1=%2").arg(i).arg(QString(90, QChar('n')));
        }
        ASSERT_TRUE(files.writeLines(path(), oldLines));
        oldBytes = readBytes();
        ASSERT_TRUE(files.writeLines(dir.filePath("new"), newLines));
        QFile newFile(dir.filePath("new"));
        ASSERT_TRUE(newFile.open(QIODevice::ReadOnly));
        newBytes = newFile.readAll();
        newFile.remove();
    }

    QString path() const { return dir.filePath("QCST.INI"); }

    QByteArray readBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    // Runs `work` in a child process and gives its exit code (-1 when it did not exit).
    static int inChild(const std::function<int()>& work)
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(work());
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    QTemporaryDir dir;
    DesktopTextFiles files;
    QStringList oldLines;
    QStringList newLines;
    QByteArray oldBytes;
    QByteArray newBytes;
};

TEST_F(FileWriteFaults, AKillAtAnyMomentOfASaveLeavesTheOldOrTheNewFileWhole)
{
    std::mt19937 random(20261210);
    // Wide enough for a slow machine (or a sanitizer build) to finish some saves.
    std::uniform_int_distribution<int> moment(0, 20000);
    int cutShort = 0;
    for (int round = 0; round < 300; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            DesktopTextFiles childFiles;
            for (int i = 0;; ++i)
                childFiles.writeLines(path(), i % 2 ? oldLines : newLines);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);

        const QByteArray bytes = readBytes();
        ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
            << "round " << round << ": a file of " << bytes.size() << " bytes, neither whole";
        if (bytes == newBytes)
            ++cutShort;
    }
    // Both versions were seen: the kills did land while saves were under way.
    EXPECT_GT(cutShort, 0);

    // The next save in a new run clears whatever the kills left beside the file.
    ASSERT_TRUE(files.writeLines(path(), oldLines));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"QCST.INI"}));
}

TEST_F(FileWriteFaults, AFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    // The limit on a file's size stands in for a full disk: writes past it fail as with ENOSPC.
    const int saved = inChild([this] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        DesktopTextFiles childFiles;
        return childFiles.writeLines(path(), newLines) ? 1 : 0;
    });
    EXPECT_EQ(saved, 0) << "the save said it succeeded";
    EXPECT_EQ(readBytes(), oldBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"QCST.INI"}));
}

TEST_F(FileWriteFaults, AFolderThatMayNotBeWrittenFailsTheSaveAndKeepsTheOldFile)
{
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ReadOther | QFileDevice::ExeOther));
    const int saved = inChild([this] {
        // Permissions do not bind the superuser: the save is tried as an ordinary user.
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            return 2;
        DesktopTextFiles childFiles;
        return childFiles.writeLines(path(), newLines) ? 1 : 0;
    });
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(saved, 0) << "1: the save said it succeeded; 2: no ordinary user to try it as";
    EXPECT_EQ(readBytes(), oldBytes);
}

} // namespace
} // namespace qc
