#include "remote/qtremoteserver.h"
#include "remote/remoteapi.h"
#include "remote/remotestate.h"

#include "doubles/presentationrig.h"
#include "doubles/recordingstepports.h"
#include "qtprinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>

#include "eventloopwait.h"

#include <gtest/gtest.h>

#include <functional>

namespace qc {
namespace {


// The remote control on a real socket of this machine, spoken to as a browser, curl or a
// WebSocket client would.
class RemoteServerTest : public ::testing::Test, protected test::PresentationRig {
protected:
    RemoteServerTest() : PresentationRig({"'qc-title Wire Show", "One", "", "Two", "", "Three"})
    {
        presentation.subscribe(tracker);
    }
    ~RemoteServerTest() override { presentation.unsubscribe(tracker); }

    void SetUp() override
    {
        const std::optional<quint16> listening = server.start({QStringLiteral("127.0.0.1"), 0});
        ASSERT_TRUE(listening);
        port = *listening;
        access.port = port;
    }

    // One raw HTTP request; the whole answer.
    QByteArray exchange(const QByteArray& request)
    {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        EXPECT_TRUE(test::eventLoopUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }));
        socket.write(request);
        QByteArray answer;
        test::eventLoopUntil([&] {
            answer += socket.readAll();
            const qsizetype end = answer.indexOf("\r\n\r\n");
            if (end < 0)
                return false;
            const qsizetype length = answer.indexOf("Content-Length: ") >= 0
                                         ? answer.mid(answer.indexOf("Content-Length: ") + 16).split('\r').first().toInt()
                                         : 0;
            return answer.size() >= end + 4 + length;
        });
        return answer;
    }

    QByteArray request(const QByteArray& method, const QByteArray& path, const QByteArray& host = "127.0.0.1",
                       const QByteArray& body = {})
    {
        return exchange(method + ' ' + path + " HTTP/1.1\r\nHost: " + host + "\r\nContent-Length: "
                        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    }

    static int status(const QByteArray& answer) { return answer.mid(9, 3).toInt(); }
    static QJsonObject body(const QByteArray& answer)
    {
        return QJsonDocument::fromJson(answer.mid(answer.indexOf("\r\n\r\n") + 4)).object();
    }

    QStringList stepLog;
    test::RecordingController controller{stepLog, true};
    RemoteStateTracker tracker{script, settings, presentation.look()};
    RemoteAccess access{{}, 0, true, QStringLiteral("0123456789abcdef0123456789abcdef")};
    RemoteApi api{{presentation.stepOperator(), tracker, access}};
    QtRemoteServer server{api, tracker};
    quint16 port = 0;
};

TEST_F(RemoteServerTest, StateAndStepsOverHttp)
{
    QByteArray answer = request("GET", "/api/state");
    ASSERT_EQ(status(answer), 200) << answer.constData();
    EXPECT_TRUE(answer.contains("Content-Type: application/json"));
    EXPECT_TRUE(answer.contains("Cache-Control: no-store"));
    EXPECT_EQ(body(answer)["title"].toString(), "Wire Show");

    EXPECT_EQ(status(request("POST", "/api/next")), 409) << "no presentation run yet";
    engine.startRun(controller);
    answer = request("POST", "/api/next");
    EXPECT_EQ(status(answer), 200);
    EXPECT_EQ(body(answer)["pointer"].toInt(), 2);
    EXPECT_EQ(controller.pointer, 2);

    EXPECT_EQ(status(request("GET", "/api/state", "rebound.example:80")), 421);
    EXPECT_EQ(status(request("POST", "/api/next", "127.0.0.1", QByteArray(kMostRemoteBodyBytes + 1, 'x'))), 413);
    EXPECT_EQ(status(request("GET", "/favicon.ico")), 404);
    const QByteArray page = request("GET", "/overlay");
    EXPECT_EQ(status(page), 200);
    EXPECT_TRUE(page.contains("qc-overlay"));
}

TEST_F(RemoteServerTest, AWebSocketGetsTheStateOnOpeningAndAfterEachStep)
{
    engine.startRun(controller);
    QWebSocket client;
    QStringList received;
    QObject::connect(&client, &QWebSocket::textMessageReceived, [&](const QString& m) { received << m; });
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    ASSERT_TRUE(test::eventLoopUntil([&] { return received.size() == 1; })) << "no state on opening: " << client.errorString().toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(received[0].toUtf8()).object()["running"].toBool(), true);

    engine.next();
    timers.tickAll();
    timers.tickAll();
    ASSERT_TRUE(test::eventLoopUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(QJsonDocument::fromJson(received[1].toUtf8()).object()["display"].toString(), "One\n");

    // The client steps by itself: one message for its step, none more.
    client.sendTextMessage(QStringLiteral("{\"action\":\"next\"}"));
    ASSERT_TRUE(test::eventLoopUntil([&] { return received.size() == 3; }));
    EXPECT_EQ(QJsonDocument::fromJson(received[2].toUtf8()).object()["pointer"].toInt(), 4);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(received.size(), 3);
    client.close();
}

TEST_F(RemoteServerTest, AWebSocketFromAnotherSiteIsClosedWithoutTheToken)
{
    QWebSocket foreign(QStringLiteral("http://evil.example"));
    bool closed = false;
    QStringList received;
    QObject::connect(&foreign, &QWebSocket::disconnected, [&] { closed = true; });
    QObject::connect(&foreign, &QWebSocket::textMessageReceived, [&](const QString& m) { received << m; });
    foreign.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    EXPECT_TRUE(test::eventLoopUntil([&] { return closed; }));
    EXPECT_TRUE(received.isEmpty());

    QWebSocket withToken(QStringLiteral("http://evil.example"));
    QObject::connect(&withToken, &QWebSocket::textMessageReceived, [&](const QString& m) { received << m; });
    withToken.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws?token=%2").arg(port).arg(access.token)));
    EXPECT_TRUE(test::eventLoopUntil([&] { return received.size() == 1; }));
}

TEST_F(RemoteServerTest, APortInUseIsReportedAndNothingListens)
{
    QtRemoteServer second{api, tracker};
    EXPECT_FALSE(second.start({QStringLiteral("127.0.0.1"), port}));
    EXPECT_EQ(status(request("GET", "/api/state")), 200) << "the first server still answers";
}

TEST_F(RemoteServerTest, StoppingClosesEveryConnectionAndStartingListensAfresh)
{
    QWebSocket client;
    bool closed = false;
    QObject::connect(&client, &QWebSocket::disconnected, [&] { closed = true; });
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
    ASSERT_TRUE(test::eventLoopUntil([&] { return client.state() == QAbstractSocket::ConnectedState; }));

    server.stop();
    EXPECT_TRUE(test::eventLoopUntil([&] { return closed; }));
    QTcpSocket refused;
    refused.connectToHost(QStringLiteral("127.0.0.1"), port);
    EXPECT_FALSE(refused.waitForConnected(1000)) << "nothing listens once stopped";

    ASSERT_TRUE(server.start({QStringLiteral("127.0.0.1"), port}));
    EXPECT_EQ(status(request("GET", "/api/state")), 200);
}

TEST(RemoteServerHosts, ListeningEverywhereAcceptsThisMachinesAddresses)
{
    EXPECT_EQ(QtRemoteServer::ownHosts(QStringLiteral("192.168.1.20")), QList<QString>{"192.168.1.20"});
    const QList<QString> everywhere = QtRemoteServer::ownHosts(QStringLiteral("0.0.0.0"));
    EXPECT_TRUE(everywhere.contains(QStringLiteral("127.0.0.1")));
}

} // namespace
} // namespace qc

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
