#include "headlesschromium.h"
#include "quillcastprocess.h"
#include "xsession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QWebSocket>

#include "eventloopwait.h"

#include <gtest/gtest.h>

namespace qc::e2e {
namespace {

constexpr int kStartTimeoutMs = 30000;

const QByteArray kScript = "'qc-title Remote Show\r\n"
                           "First step\r\n"
                           "\r\n"
                           "Second step\r\n"
                           "\r\n"
                           "Third step\r\n";

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}


// The remote control from outside, as a streamer's tools use it: a WebSocket client, curl on
// the API, and the overlay page in a real Chromium as a browser source shows it.
class RemoteEndToEnd : public ::testing::Test {
protected:
    // The WebSocket clients need an event loop of their own.
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "quillcast_e2e_tests";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        ASSERT_TRUE(session.isRunning()) << "Xvfb did not start";
        write("show.txt", kScript);
        write("QCST.INI", "[QCST]\r\nShowTxtFColor=FFFF00\r\nShowTxtBColor=203060\r\nShowTxtFSize=28\r\n");
        port = freePort();
        ASSERT_NE(port, 0);
    }

    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(path); }

    // curl as a user would type it; its output.
    QByteArray curl(const QStringList& args) const
    {
        QProcess process;
        process.start(QStringLiteral("curl"), QStringList{QStringLiteral("-s")} + args);
        process.waitForFinished(10000);
        return process.readAllStandardOutput();
    }

    XSession session;
    QTemporaryDir dir;
    quint16 port = 0;
};

TEST_F(RemoteEndToEnd, TheOverlayTheWebSocketAndCurlFollowTheShow)
{
    QuillcastProcess program(session, dir.path(),
                             {QStringLiteral("--remote=127.0.0.1:%1").arg(port), dir.filePath(QStringLiteral("show.txt"))});
    const QString controller = session.openController(kStartTimeoutMs);
    ASSERT_FALSE(controller.isEmpty());
    ASSERT_FALSE(session.waitForWindows(QStringLiteral("^Remote Show$")).isEmpty());

    QWebSocket client;
    QList<QJsonObject> pushed;
    QObject::connect(&client, &QWebSocket::textMessageReceived,
                     [&](const QString& m) { pushed << QJsonDocument::fromJson(m.toUtf8()).object(); });
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    ASSERT_TRUE(test::eventLoopUntil([&] { return pushed.size() == 1; })) << client.errorString().toStdString();
    EXPECT_TRUE(pushed[0][u"running"].toBool());

    HeadlessChromium chromium;
    ASSERT_TRUE(chromium.open(url(QStringLiteral("/overlay")), 800, 240)) << chromium.reason().toStdString();
    ASSERT_TRUE(chromium.waitFor(QStringLiteral("document.body.dataset.pointer === '0'")));

    // Step one with the controller's key, step two with curl.
    session.next(controller);
    EXPECT_EQ(session.waitForClipboard(QStringLiteral("First step\n")), "First step\n");
    QThread::msleep(600);   // beyond the button wait
    const QJsonObject stepped =
        QJsonDocument::fromJson(curl({QStringLiteral("-X"), QStringLiteral("POST"), url(QStringLiteral("/api/next"))})).object();
    EXPECT_EQ(stepped[u"pointer"].toInt(), 4);
    EXPECT_EQ(stepped[u"display"].toString(), "Second step\n");
    EXPECT_EQ(session.waitForClipboard(QStringLiteral("Second step\n")), "Second step\n");

    // One message per step, each with its step.
    ASSERT_TRUE(test::eventLoopUntil([&] { return pushed.size() >= 3; }));
    test::eventLoopUntil([] { return false; }, 300);
    ASSERT_EQ(pushed.size(), 3);
    EXPECT_EQ(pushed[1][u"display"].toString(), "First step\n");
    EXPECT_EQ(pushed[2][u"display"].toString(), "Second step\n");

    // The overlay shows the second step in the display's look.
    ASSERT_TRUE(chromium.waitFor(QStringLiteral("document.querySelector('.qc-text').textContent === 'Second step\\n'")));
    QThread::msleep(200);
    const QImage shot = chromium.screenshot();
    ASSERT_FALSE(shot.isNull());
    int background = 0;
    int text = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            background += c == QColor(0x20, 0x30, 0x60);
            text += c.red() > 200 && c.green() > 200 && c.blue() < 60;
        }
    }
    const double pixels = double(shot.width()) * shot.height();
    EXPECT_GT(background / pixels, 0.5) << "the display's background colour";
    EXPECT_GT(text / pixels, 0.001) << "text in the display's colour";

    // curl moved the controller's own pointer: its Next goes on from there.
    QThread::msleep(600);
    session.next(controller);
    EXPECT_EQ(session.waitForClipboard(QStringLiteral("Third step\n")), "Third step\n");
    EXPECT_EQ(program.quitWith(session, controller, QStringLiteral("Escape")), 0);
}

TEST_F(RemoteEndToEnd, APortInUseIsToldAndTheProgramGoesOnWithoutIt)
{
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, port));
    QuillcastProcess program(session, dir.path(),
                             {QStringLiteral("--remote=127.0.0.1:%1").arg(port), dir.filePath(QStringLiteral("show.txt"))});
    const QStringList message = session.waitForWindows(QStringLiteral("^Quillcast リモート操作$"), kStartTimeoutMs);
    ASSERT_FALSE(message.isEmpty()) << "no message about the port";
    session.key(message.first(), {QStringLiteral("Return")});
    ASSERT_TRUE(session.waitUntilGone(QStringLiteral("^Quillcast リモート操作$")));
    const QString controller = session.openController(kStartTimeoutMs);
    EXPECT_FALSE(controller.isEmpty()) << "the program went on";
    EXPECT_TRUE(program.isRunning());
}

} // namespace
} // namespace qc::e2e
