#include "quillcastprocess.h"
#include "xsession.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace qc::e2e {
namespace {

constexpr int kStartTimeoutMs = 30000;

const QByteArray kScript = "'qc-title E2E Show\r\n"
                           "'qc-header Starting soon\r\n"
                           "First step\r\n"
                           "second line\r\n"
                           "\r\n"
                           "Second step@clpspc@end\r\n"
                           "\r\n"
                           "(chat)@clpsnd@Third step\r\n"
                           "\r\n"
                           "Jump target\r\n";

// A whole show from outside: the show button, stepping with the keys, the clipboard after
// each step, the jump box, the display's look, and the places written at the end.
class PresentationEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.isRunning()) << "Xvfb did not start";
        write("show.txt", kScript);
        write("QCST.INI", "[QCST]\r\nShowTxtFColor=FFFF00\r\nShowTxtBColor=203060\r\nShowTxtFSize=28\r\n");
    }

    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString setting(const QString& key) const { return settingIn(dir.path(), key); }

    XSession session;
    QTemporaryDir dir;
};

TEST_F(PresentationEndToEnd, AShowFromStartToEnd)
{
    QuillcastProcess program(session, dir.path(), {dir.filePath(QStringLiteral("show.txt"))});
    const QString main = session.waitForWindows(QStringLiteral("^Quillcast$"), kStartTimeoutMs).value(0);
    ASSERT_FALSE(main.isEmpty());
    session.key(main, {QStringLiteral("c")});   // the show button's key

    const QString controller = session.waitForWindows(QStringLiteral("^操作 - Quillcast$")).value(0);
    const QString display = session.waitForWindows(QStringLiteral("^E2E Show$")).value(0);
    ASSERT_FALSE(controller.isEmpty());
    ASSERT_FALSE(display.isEmpty());
    EXPECT_TRUE(session.windows(QStringLiteral("^Quillcast$")).isEmpty());   // the main window stepped aside

    const QString steps[] = {"First step\nsecond line\n", "Second step,,,,,end\n", "(chat)Third step\n"};
    for (const QString& expected : steps) {
        session.key(controller, {QStringLiteral("c")});
        EXPECT_EQ(session.waitForClipboard(expected), expected);
        QThread::msleep(600);   // beyond the button wait
    }

    session.key(controller, {QStringLiteral("x")});
    EXPECT_EQ(session.waitForClipboard(steps[1]), steps[1]);
    QThread::msleep(600);

    // Type a line number into the jump box, then Next.
    session.click(controller, 4560 / 15 + 20, 360 / 15 + 12);
    session.type(controller, QStringLiteral("10"));
    session.key(controller, {QStringLiteral("c")});
    EXPECT_EQ(session.waitForClipboard(QStringLiteral("Jump target\n")), "Jump target\n");

    // The step in the configured colours: yellow text on deep blue.
    const std::optional<Geometry> shown = session.geometry(display);
    ASSERT_TRUE(shown);
    const QRect textArea(10, 10, shown->width - 40, shown->height / 2);
    EXPECT_GT(session.colourShare(display, textArea, QStringLiteral("#203060")), 0.5);
    EXPECT_GT(session.colourShare(display, textArea, QStringLiteral("#FFFF00")), 0.001);

    const std::optional<Geometry> controlled = session.geometry(controller);
    ASSERT_TRUE(controlled);
    EXPECT_EQ(program.quitWith(session, controller, QStringLiteral("Escape")), 0);
    EXPECT_EQ(setting(QStringLiteral("Win01Left")), QString::number(controlled->x * 15));
    EXPECT_EQ(setting(QStringLiteral("Win01Top")), QString::number(controlled->y * 15));
    EXPECT_EQ(setting(QStringLiteral("Win02Left")), QString::number(shown->x * 15));
    EXPECT_EQ(setting(QStringLiteral("Win02Top")), QString::number(shown->y * 15));
    EXPECT_EQ(setting(QStringLiteral("Win02Width")), QString::number(shown->width * 15));
    EXPECT_EQ(setting(QStringLiteral("Win02Height")), QString::number(shown->height * 15));
}

// Another program takes the clipboard and dies holding it: the next step still reaches the
// clipboard, and the step after that too.
TEST_F(PresentationEndToEnd, AClipboardOwnerThatDiedDoesNotStopTheSteps)
{
    QuillcastProcess program(session, dir.path(), {dir.filePath(QStringLiteral("show.txt"))});
    const QString controller = session.openController(kStartTimeoutMs);
    ASSERT_FALSE(controller.isEmpty());
    session.next(controller);
    ASSERT_EQ(session.waitForClipboard("First step\nsecond line\n"), "First step\nsecond line\n");

    QProcess other;
    other.setProcessEnvironment(session.environment());
    other.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                          QStringLiteral("-quiet")});
    ASSERT_TRUE(other.waitForStarted());
    other.write("taken by another program");
    other.waitForBytesWritten();
    other.closeWriteChannel();
    EXPECT_EQ(session.waitForClipboard(QStringLiteral("taken by another program")), "taken by another program");
    other.kill();
    other.waitForFinished();

    for (const QString expected : {"Second step,,,,,end\n", "(chat)Third step\n"}) {
        session.key(controller, {QStringLiteral("c")});
        EXPECT_EQ(session.waitForClipboard(expected), expected);
        QThread::msleep(600);
    }
    EXPECT_EQ(program.quitWith(session, controller, QStringLiteral("Escape")), 0);
}

TEST_F(PresentationEndToEnd, CancelGoesBackToTheMainWindow)
{
    QuillcastProcess program(session, dir.path(), {dir.filePath(QStringLiteral("show.txt"))});
    const QString main = session.waitForWindows(QStringLiteral("^Quillcast$"), kStartTimeoutMs).value(0);
    ASSERT_FALSE(main.isEmpty());
    session.key(main, {QStringLiteral("c")});
    const QString controller = session.waitForWindows(QStringLiteral("^操作 - Quillcast$")).value(0);
    ASSERT_FALSE(controller.isEmpty());
    session.key(controller, {QStringLiteral("b")});
    const QString back = session.waitForWindows(QStringLiteral("^Quillcast$")).value(0);
    EXPECT_FALSE(back.isEmpty());
    EXPECT_TRUE(session.windows(QStringLiteral("^E2E Show$")).isEmpty());
    EXPECT_TRUE(program.isRunning());
    EXPECT_EQ(program.quitWith(session, back, QStringLiteral("Escape")), 0);
}

} // namespace
} // namespace qc::e2e
