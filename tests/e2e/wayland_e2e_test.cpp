#include "quillcastprocess.h"
#include "westonsession.h"
#include "xsession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace qc::e2e {
namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr char kPlacesNotice[] = "the compositor decides where windows go";

// Quillcast on a Wayland session (a headless Weston with XWayland, Qt's Wayland plugin
// installed so that the choice is a real one).
class WaylandEndToEnd : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(weston.isRunning()) << weston.reason().toStdString(); }

    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString setting(const char* key) const { return settingIn(dir.path(), QString::fromLatin1(key)); }

    WestonSession weston;
    QTemporaryDir dir;
};

// By default it runs through XWayland, where its windows can be placed and found.
TEST_F(WaylandEndToEnd, ByDefaultItRunsThroughXWaylandAndRemembersRealPlaces)
{
    XSession xwayland(weston.x11Display(), weston.environment());
    QuillcastProcess program(xwayland, dir.path());
    const QString main = xwayland.waitForWindows(QStringLiteral("^Quillcast$"), kStartTimeoutMs).value(0);
    ASSERT_FALSE(main.isEmpty()) << "no main window on XWayland's display";
    // Weston lets no X client move the keyboard focus; the key goes to the window itself.
    xwayland.tool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--window"), main,
                                              QStringLiteral("Escape")});
    EXPECT_EQ(program.waitForExit(), 0);

    // A first run: placed by the screen's size, 1280 x 800 pixels.
    const int left = setting("Win00Left").toInt();
    const int top = setting("Win00Top").toInt();
    EXPECT_GT(left, 0);
    EXPECT_GT(top, 0);
    EXPECT_LT(left, 1280 * 15);
    EXPECT_LT(top, 800 * 15);
    EXPECT_GT(setting("Win02Width").toInt(), 0);
}

// Forced onto native Wayland it still runs, says once that the compositor places the windows,
// and leaves the remembered places alone.
TEST_F(WaylandEndToEnd, NativeWaylandSaysSoOnceAndKeepsTheRememberedPlaces)
{
    write("QCST.INI", "[QCST]\r\nWin00Left=1500\r\nWin00Top=1200\r\nWin02Left=3000\r\nWin02Top=2400\r\n");
    QProcessEnvironment environment = weston.environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("QUILLCAST_HOME"), dir.path());
    withFullAllocationStacks(environment);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLCAST_BIN), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    QByteArray errors;
    QElapsedTimer clock;
    clock.start();
    while (!errors.contains(kPlacesNotice) && clock.elapsed() < kStartTimeoutMs && program.state() == QProcess::Running) {
        program.waitForReadyRead(200);
        errors += program.readAllStandardError();
    }
    ASSERT_TRUE(errors.contains(kPlacesNotice)) << errors.constData();
    // Up and running: then the session ends, as at logout.
    QThread::msleep(3000);
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    errors += program.readAllStandardError();
    EXPECT_EQ(errors.count(kPlacesNotice), 1) << errors.constData();

    EXPECT_EQ(settingsLinesIn(dir.path()).size(), 35) << "the settings were written";
    EXPECT_EQ(setting("Win00Left"), "1500");
    EXPECT_EQ(setting("Win00Top"), "1200");
    EXPECT_EQ(setting("Win02Left"), "3000");
    EXPECT_EQ(setting("Win02Top"), "2400");
}

} // namespace
} // namespace qc::e2e
