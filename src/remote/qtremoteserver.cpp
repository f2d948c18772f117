#include "remote/qtremoteserver.h"

#include "remote/remoteapi.h"
#include "remote/remotestate.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QNetworkInterface>
#include <QNetworkRequest>
#include <QWebSocket>

namespace qc {

namespace {

QByteArray header(const QHttpServerRequest& request, const QByteArray& name)
{
    for (const auto& [key, value] : request.headers()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get: return "GET";
    case QHttpServerRequest::Method::Head: return "HEAD";
    case QHttpServerRequest::Method::Post: return "POST";
    case QHttpServerRequest::Method::Put: return "PUT";
    case QHttpServerRequest::Method::Delete: return "DELETE";
    case QHttpServerRequest::Method::Options: return "OPTIONS";
    case QHttpServerRequest::Method::Patch: return "PATCH";
    default: return "OTHER";
    }
}

RemoteRequest remoteRequest(const QHttpServerRequest& request)
{
    return {methodName(request.method()),
            request.url().path(),
            request.query(),
            header(request, "Host"),
            header(request, "Origin"),
            header(request, "X-Quillcast-Token"),
            header(request, "Authorization"),
            request.body()};
}

bool isWebSocketUpgrade(const QHttpServerRequest& request)
{
    return header(request, "Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

} // namespace

QtRemoteServer::QtRemoteServer(RemoteApi& api, RemoteStateTracker& state) : api_(api), state_(state)
{
    state_.setChangeHandler([this] { pushState(); });
}

QtRemoteServer::~QtRemoteServer()
{
    state_.setChangeHandler({});
    stop();
}

std::optional<quint16> QtRemoteServer::start(const RemoteListen& listen)
{
    stop();
    http_ = std::make_unique<QHttpServer>();
    const auto answer = [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        const RemoteResponse answer = api_.handle(remoteRequest(request));
        QHttpServerResponse response(answer.contentType, answer.body,
                                     QHttpServerResponder::StatusCode(answer.status));
        response.addHeader("Cache-Control", "no-store");
        response.addHeader("X-Content-Type-Options", "nosniff");
        response.addHeader("Referrer-Policy", "no-referrer");
        response.write(std::move(responder));
    };
    http_->setMissingHandler(answer);
    // Qt upgrades a request to a WebSocket only where a route took it and wrote nothing back;
    // the socket's details are judged once it is open.
    http_->route(QStringLiteral("/ws"), [answer](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        if (!isWebSocketUpgrade(request))
            answer(request, std::move(responder));
    });
    connect(http_.get(), &QAbstractHttpServer::newWebSocketConnection, this, &QtRemoteServer::acceptWebSockets);

    const quint16 port = http_->listen(QHostAddress(listen.address), listen.port);
    if (port == 0) {
        http_.reset();
        return std::nullopt;
    }
    return port;
}

void QtRemoteServer::stop()
{
    // Taken out first: a socket that closes tells its disconnection, which looks it up.
    std::vector<std::unique_ptr<QWebSocket>> closing = std::move(sockets_);
    sockets_.clear();
    for (const auto& socket : closing) {
        socket->disconnect(this);
        socket->abort();
    }
    closing.clear();
    http_.reset();
}

QList<QString> QtRemoteServer::ownHosts(const QString& address)
{
    const QHostAddress listening(address);
    QList<QString> hosts;
    if (listening == QHostAddress::AnyIPv4 || listening == QHostAddress::AnyIPv6 || listening == QHostAddress::Any) {
        for (const QHostAddress& own : QNetworkInterface::allAddresses())
            hosts << own.toString();
        const QString name = QHostInfo::localHostName();
        if (!name.isEmpty())
            hosts << name << name + QStringLiteral(".local");
    } else {
        hosts << listening.toString();
    }
    return hosts;
}

void QtRemoteServer::acceptWebSockets()
{
    while (http_ && http_->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = http_->nextPendingWebSocketConnection();
        const QUrl url = socket->requestUrl();
        const QNetworkRequest request = socket->request();
        const RemoteRequest details{"GET",
                                    url.path(),
                                    QUrlQuery(url),
                                    request.hasRawHeader("Host") ? request.rawHeader("Host") : url.authority().toLatin1(),
                                    socket->origin().toLatin1(),
                                    request.rawHeader("X-Quillcast-Token"),
                                    request.rawHeader("Authorization"),
                                    {}};
        if (!api_.acceptsWebSocket(details)) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            continue;
        }
        QWebSocket* raw = socket.get();
        connect(raw, &QWebSocket::textMessageReceived, this, [this, raw](const QString& message) {
            const QByteArray answer = api_.handleMessage(message);
            if (!answer.isEmpty())
                raw->sendTextMessage(QString::fromUtf8(answer));
        });
        connect(raw, &QWebSocket::disconnected, this, [this, raw] {
            const auto gone = std::find_if(sockets_.begin(), sockets_.end(),
                                           [raw](const auto& socket) { return socket.get() == raw; });
            if (gone != sockets_.end()) {
                gone->release()->deleteLater();
                sockets_.erase(gone);
            }
        });
        raw->sendTextMessage(QString::fromUtf8(stateJson(state_.state())));
        sockets_.push_back(std::move(socket));
    }
}

void QtRemoteServer::pushState()
{
    if (sockets_.empty())
        return;
    const QString message = QString::fromUtf8(stateJson(state_.state()));
    for (const auto& socket : sockets_)
        socket->sendTextMessage(message);
}

} // namespace qc
