#include "headlesschromium.h"

#include "eventloopwait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>


namespace qc::e2e {

namespace {


// A plain GET on the DevTools HTTP endpoint.
QByteArray httpGet(quint16 port, const QByteArray& path)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(3000))
        return {};
    // DevTools names its sockets after the Host header.
    socket.write("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
                 + "\r\nConnection: close\r\n\r\n");
    QByteArray answer;
    while (socket.waitForReadyRead(3000))
        answer += socket.readAll();
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

} // namespace

HeadlessChromium::~HeadlessChromium()
{
    page_.close();
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool HeadlessChromium::fail(const QString& why)
{
    reason_ = why;
    return false;
}

bool HeadlessChromium::open(const QString& url, int width, int height)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (program.isEmpty())
        return fail(QStringLiteral("chromium is not installed (scripts/setup installs it)"));
    QStringList args{QStringLiteral("--headless=new"), QStringLiteral("--disable-gpu"),
                     QStringLiteral("--no-first-run"), QStringLiteral("--no-default-browser-check"),
                     QStringLiteral("--hide-scrollbars"), QStringLiteral("--remote-debugging-port=0"),
                     QStringLiteral("--user-data-dir=") + profile_.path(),
                     QStringLiteral("--window-size=%1,%2").arg(width).arg(height), url};
    // Only the program's own pages are opened here; Chromium's sandbox needs what containers
    // often lack (user namespaces, or a user other than the superuser).
    args.prepend(QStringLiteral("--no-sandbox"));
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(program, args);
    if (!process_.waitForStarted(10000))
        return fail(QStringLiteral("chromium did not start"));

    // "DevTools listening on ws://127.0.0.1:PORT/devtools/browser/..." on its standard error.
    static const QRegularExpression listening(QStringLiteral("DevTools listening on ws://127\\.0\\.0\\.1:(\\d+)/"));
    QByteArray errors;
    quint16 port = 0;
    test::eventLoopUntil([&] {
        errors += process_.readAllStandardError();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(errors));
        port = match.hasMatch() ? quint16(match.captured(1).toUInt()) : 0;
        return port != 0 || process_.state() == QProcess::NotRunning;
    }, 20000);
    if (port == 0)
        return fail(QStringLiteral("chromium opened no DevTools port: ") + QString::fromUtf8(errors.right(400)));

    QString pageSocket;
    test::eventLoopUntil([&] {
        const QJsonArray targets = QJsonDocument::fromJson(httpGet(port, "/json/list")).array();
        for (const QJsonValue& target : targets) {
            if (target[u"type"].toString() == u"page")
                pageSocket = target[u"webSocketDebuggerUrl"].toString();
        }
        return !pageSocket.isEmpty();
    }, 10000);
    if (pageSocket.isEmpty())
        return fail(QStringLiteral("chromium shows no page"));
    page_.open(QUrl(pageSocket));
    if (!test::eventLoopUntil([&] { return page_.state() == QAbstractSocket::ConnectedState; }, 10000))
        return fail(QStringLiteral("cannot reach the page through DevTools at %1: ").arg(pageSocket) + page_.errorString());
    return true;
}

std::optional<QJsonObject> HeadlessChromium::call(const QString& method, const QJsonObject& params, int timeoutMs)
{
    const int id = nextId_++;
    std::optional<QJsonObject> result;
    const auto connection = QObject::connect(&page_, &QWebSocket::textMessageReceived, [&](const QString& message) {
        const QJsonObject answer = QJsonDocument::fromJson(message.toUtf8()).object();
        if (answer[u"id"].toInt() == id)
            result = answer[u"result"].toObject();
    });
    page_.sendTextMessage(QString::fromUtf8(
        QJsonDocument(QJsonObject{{"id", id}, {"method", method}, {"params", params}}).toJson(QJsonDocument::Compact)));
    test::eventLoopUntil([&] { return result.has_value(); }, timeoutMs);
    QObject::disconnect(connection);
    return result;
}

std::optional<QJsonValue> HeadlessChromium::evaluate(const QString& expression, int timeoutMs)
{
    const std::optional<QJsonObject> result =
        call(QStringLiteral("Runtime.evaluate"), {{"expression", expression}, {"returnByValue", true}}, timeoutMs);
    if (!result || result->contains(u"exceptionDetails"))
        return std::nullopt;
    return (*result)[u"result"].toObject()[u"value"];
}

bool HeadlessChromium::waitFor(const QString& expression, int timeoutMs)
{
    return test::eventLoopUntil([&] { return evaluate(expression, 1000).value_or(QJsonValue()).toBool(); }, timeoutMs);
}

QImage HeadlessChromium::screenshot()
{
    const std::optional<QJsonObject> result =
        call(QStringLiteral("Page.captureScreenshot"), {{"format", "png"}}, 10000);
    if (!result)
        return {};
    return QImage::fromData(QByteArray::fromBase64((*result)[u"data"].toString().toLatin1()), "PNG");
}

} // namespace qc::e2e
