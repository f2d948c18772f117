#include "quillcastprocess.h"
#include "xsession.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace qc::e2e {
namespace {

const QString kMainTitle = QStringLiteral("^Quillcast$");
constexpr int kStartTimeoutMs = 30000;

// The program run under a private X display, driven and checked from outside.
class ShellEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session.isRunning()) << "Xvfb did not start"; }

    QString home() const { return dir.path(); }
    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QStringList settingsLines() const { return settingsLinesIn(home()); }

    QString setting(const QString& key) const { return settingIn(home(), key); }

    QString waitForMainWindow() const
    {
        const QStringList found = session.waitForWindows(kMainTitle, kStartTimeoutMs);
        return found.value(0);
    }

    XSession session;
    QTemporaryDir dir;
};

TEST_F(ShellEndToEnd, OpensTheScriptQuitsWithEscAndRemembersItsPlace)
{
    write(QStringLiteral("show.txt"), "one\r\ntwo\r\n\r\nthree\r\n");
    {
        QuillcastProcess program(session, home(), {path(QStringLiteral("show.txt"))});
        const QString window = waitForMainWindow();
        ASSERT_FALSE(window.isEmpty()) << "no main window";
        EXPECT_EQ(session.waitForPixel(window, 2, 2, QStringLiteral("#C0C0FF")), "#C0C0FF");   // the main window's own colour
        const std::optional<Geometry> place = session.geometry(window);
        ASSERT_TRUE(place);
        EXPECT_EQ(place->width, 344);                         // 5160 x 2535 twips at 96 DPI
        EXPECT_EQ(place->height, 169);
        EXPECT_EQ(program.quitWith(session, window, QStringLiteral("Escape")), 0);
        EXPECT_EQ(setting(QStringLiteral("Win00Left")), QString::number(place->x * 15));
        EXPECT_EQ(setting(QStringLiteral("Win00Top")), QString::number(place->y * 15));
        EXPECT_EQ(settingsLines().size(), 35);
        EXPECT_EQ(settingsLines().value(0), "[QCST]");
    }

    // Moved elsewhere in the settings file, it opens there next time.
    QStringList lines = settingsLines();
    for (QString& line : lines) {
        if (line.startsWith(QStringLiteral("Win00Left=")))
            line = QStringLiteral("Win00Left=1500");
        if (line.startsWith(QStringLiteral("Win00Top=")))
            line = QStringLiteral("Win00Top=1200");
    }
    write(QStringLiteral("QCST.INI"), lines.join(QStringLiteral("\r\n")).toLocal8Bit() + "\r\n");
    QuillcastProcess again(session, home());
    const QString window = waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());
    const std::optional<Geometry> place = session.geometry(window);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->x, 100);
    EXPECT_EQ(place->y, 80);
    EXPECT_EQ(again.quitWith(session, window, QStringLiteral("b")), 0);              // the quit button's key
    EXPECT_EQ(setting(QStringLiteral("Win00Left")), "1500");
}

// As a menu's "Open with" starts it: the path is one argument, blanks and Japanese included.
TEST_F(ShellEndToEnd, OpenWithAPathOfBlanksAndJapanese)
{
    write(QStringLiteral("今夜の 台本 (1).txt"), "one\r\n");
    QuillcastProcess program(session, home(), {path(QStringLiteral("今夜の 台本 (1).txt"))});
    const QString controller = session.openController(30000);
    ASSERT_FALSE(controller.isEmpty());
    EXPECT_FALSE(session.waitForWindows(QStringLiteral("^今夜の 台本 \\(1\\)\\.txt$")).isEmpty())
        << "the display window carries the script's name";
    session.next(controller);
    EXPECT_EQ(session.waitForClipboard(QStringLiteral("one\n")), "one\n");
    EXPECT_EQ(program.quitWith(session, controller, QStringLiteral("Escape")), 0);
}

// At logout the desktop asks the program to end: it quits as its own quit does, settings kept.
TEST_F(ShellEndToEnd, TheSessionsEndQuitsInOrder)
{
    write(QStringLiteral("QCST.INI"), "[QCST]\r\nShowTxtBreak=3\r\n");
    QuillcastProcess program(session, home());
    const QString controller = session.openController(30000);
    ASSERT_FALSE(controller.isEmpty());
    program.terminate();
    EXPECT_EQ(program.waitForExit(), 0);
    EXPECT_EQ(settingsLines().size(), 35) << "every setting written";
    EXPECT_EQ(setting(QStringLiteral("ShowTxtBreak")), "3");
}

TEST_F(ShellEndToEnd, ASecondCopyShowsItsMessageAndEnds)
{
    QuillcastProcess first(session, home());
    const QString mainWindow = waitForMainWindow();
    ASSERT_FALSE(mainWindow.isEmpty());

    QuillcastProcess second(session, home());
    QStringList windows;
    for (int i = 0; i < 100 && windows.size() < 2; ++i) {
        QThread::msleep(150);
        windows = session.windows(kMainTitle);
    }
    ASSERT_EQ(windows.size(), 2) << "no message from the second copy";
    windows.removeAll(mainWindow);
    EXPECT_EQ(second.quitWith(session, windows.first(), QStringLiteral("Return")), 0);
    EXPECT_TRUE(first.isRunning());
    EXPECT_TRUE(settingsLines().isEmpty());   // the second copy wrote nothing

    EXPECT_EQ(first.quitWith(session, mainWindow, QStringLiteral("Escape")), 0);
    EXPECT_FALSE(settingsLines().isEmpty());
}

TEST_F(ShellEndToEnd, ACopyThatWasKilledDoesNotBlockTheNext)
{
    {
        QuillcastProcess crashed(session, home());
        ASSERT_FALSE(waitForMainWindow().isEmpty());
        crashed.killHard();
    }
    QuillcastProcess next(session, home());
    const QString window = waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());
    QThread::msleep(500);
    EXPECT_EQ(session.windows(kMainTitle).size(), 1);   // no "already running" message
    EXPECT_EQ(next.quitWith(session, window, QStringLiteral("Escape")), 0);
}

TEST_F(ShellEndToEnd, ABrokenSettingsFileIsReportedAndReplaced)
{
    QByteArray garbage = "[QCST]\r\nShowTxtFSize=99999\r\nWin00Left=\x81\x81\x81\r\n";
    garbage += QByteArray(4 * 1024 * 1024, 'x') + "\r\n";
    write(QStringLiteral("QCST.INI"), garbage);
    QuillcastProcess program(session, home());
    const QStringList message = session.waitForWindows(QStringLiteral("^QCST$"), kStartTimeoutMs);
    ASSERT_FALSE(message.isEmpty()) << "no read-error message";
    session.key(message.first(), {QStringLiteral("Return")});
    const QString window = waitForMainWindow();
    ASSERT_FALSE(window.isEmpty());
    EXPECT_EQ(program.quitWith(session, window, QStringLiteral("Escape")), 0);
    EXPECT_EQ(settingsLines().size(), 35);
    EXPECT_EQ(setting(QStringLiteral("ShowTxtFSize")), "20");
}

} // namespace
} // namespace qc::e2e
