#include "remote/remoteapi.h"

#include "presentation/stepoperator.h"
#include "remote/remotestate.h"

#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

namespace qc {

namespace {

const QByteArray kJson = QByteArrayLiteral("application/json");
const QByteArray kHtml = QByteArrayLiteral("text/html; charset=utf-8");

RemoteResponse error(int status, const QString& message)
{
    return {status, kJson, QJsonDocument(QJsonObject{{"error", message}}).toJson(QJsonDocument::Compact)};
}

RemoteResponse page(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return error(500, QStringLiteral("the page is missing from the program"));
    return {200, kHtml, file.readAll()};
}

// Why an action was not taken, by the status act() gave.
RemoteResponse actionRefused(int status)
{
    switch (status) {
    case 409: return error(409, QStringLiteral("no presentation is running"));
    case 400: return error(400, QStringLiteral("a line number is needed"));
    default: return error(404, QStringLiteral("no such action"));
    }
}

// The host of a Host header ("name", "name:port", "[v6]:port"), lower case; empty when the
// header is anything else.
QString hostPart(const QByteArray& header)
{
    static const QRegularExpression form(QStringLiteral("^(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9.-]+)(:[0-9]{1,5})?$"));
    const QString text = QString::fromLatin1(header);
    if (!form.match(text).hasMatch())
        return {};
    const QUrl url(QStringLiteral("http://") + text + u'/');
    return url.isValid() ? url.host().toLower() : QString();
}

// Equal without telling by its time how much of the token was right.
bool sameToken(const QByteArray& given, const QString& token)
{
    const QByteArray expected = token.toLatin1();
    if (expected.isEmpty() || given.size() != expected.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < given.size(); ++i)
        difference |= static_cast<unsigned char>(given[i] ^ expected[i]);
    return difference == 0;
}

} // namespace

RemoteApi::RemoteApi(Parts parts) : parts_(parts) {}

bool RemoteApi::hostAllowed(const QByteArray& header) const
{
    const QString host = hostPart(header);
    if (host.isEmpty())
        return false;
    if (host == u"localhost" || QHostAddress(host).isLoopback())
        return true;
    for (const QString& allowed : parts_.access.hosts) {
        if (host == allowed.toLower() || QHostAddress(host).isEqual(QHostAddress(allowed)))
            return true;
    }
    return false;
}

bool RemoteApi::tokenGiven(const RemoteRequest& request) const
{
    static const QByteArray bearer = QByteArrayLiteral("Bearer ");
    const QByteArray fromAuthorization =
        request.authorization.startsWith(bearer) ? request.authorization.mid(bearer.size()).trimmed() : QByteArray();
    return sameToken(request.token, parts_.access.token) || sameToken(fromAuthorization, parts_.access.token)
           || sameToken(request.query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toLatin1(),
                        parts_.access.token);
}

// A page the server itself served: its origin names an allowed host and the server's port.
bool RemoteApi::sameOrigin(const QByteArray& origin) const
{
    const QUrl url(QString::fromLatin1(origin));
    return url.scheme() == u"http" && url.port(80) == parts_.access.port && hostAllowed(url.authority().toLatin1());
}

RemoteResponse RemoteApi::handle(const RemoteRequest& request) const
{
    // A name that is not ours could be another site's, pointed at this machine (DNS rebinding).
    if (!hostAllowed(request.host))
        return error(421, QStringLiteral("this server answers only to its own address"));
    if (request.body.size() > kMostRemoteBodyBytes)
        return error(413, QStringLiteral("the request body is too large"));

    const bool get = request.method == "GET" || request.method == "HEAD";
    if (request.path == u"/" || request.path == u"/overlay") {
        if (!get)
            return error(405, QStringLiteral("only GET"));
        return page(request.path == u"/" ? QStringLiteral(":/remote/control.html")
                                         : QStringLiteral(":/remote/overlay.html"));
    }
    if (!request.path.startsWith(u"/api/"))
        return error(404, QStringLiteral("no such page"));

    // Beyond this machine, or from another site's page, control and state need the token.
    const bool foreignOrigin = !request.origin.isEmpty() && !sameOrigin(request.origin);
    if ((!parts_.access.loopbackOnly || foreignOrigin) && !tokenGiven(request))
        return error(401, QStringLiteral("the access token is missing or wrong"));

    const QString name = request.path.mid(5);
    if (name == u"state") {
        if (!get)
            return error(405, QStringLiteral("only GET"));
        return {200, kJson, stateJson(parts_.state.state())};
    }
    if (request.method != "POST")
        return error(405, QStringLiteral("only POST"));
    QString line = request.query.queryItemValue(QStringLiteral("line"));
    if (line.isEmpty()) {
        const QJsonObject object = QJsonDocument::fromJson(request.body).object();
        line = object.contains(u"line") ? object.value(u"line").toVariant().toString()
                                        : QString::fromUtf8(request.body).trimmed();
    }
    const int status = act(name, line);
    return status == 200 ? RemoteResponse{200, kJson, stateJson(parts_.state.state())} : actionRefused(status);
}

int RemoteApi::act(const QString& action, const QString& line) const
{
    static const QStringList actions{QStringLiteral("next"),    QStringLiteral("back"),
                                     QStringLiteral("top"),     QStringLiteral("bottom"),
                                     QStringLiteral("nextoff"), QStringLiteral("backoff"),
                                     QStringLiteral("jump")};
    if (!actions.contains(action))
        return 404;
    if (!parts_.state.state().running)
        return 409;
    StepOperator& steps = parts_.steps;
    if (action == u"next")
        steps.next();
    else if (action == u"back")
        steps.back();
    else if (action == u"top")
        steps.top();
    else if (action == u"bottom")
        steps.bottom();
    else if (action == u"nextoff")
        steps.nextWithoutClipboard();
    else if (action == u"backoff")
        steps.backWithoutClipboard();
    else {
        bool number = false;
        line.trimmed().toInt(&number);
        if (!number)
            return 400;
        steps.jump(line.trimmed());
    }
    return 200;
}

bool RemoteApi::acceptsWebSocket(const RemoteRequest& request) const
{
    if (!hostAllowed(request.host) || request.path != u"/ws")
        return false;
    const bool foreignOrigin = !request.origin.isEmpty() && !sameOrigin(request.origin);
    return (parts_.access.loopbackOnly && !foreignOrigin) || tokenGiven(request);
}

QByteArray RemoteApi::handleMessage(const QString& message) const
{
    QString action = message.trimmed();
    QString line;
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8());
    if (document.isObject()) {
        action = document.object().value(u"action").toString();
        line = document.object().value(u"line").toVariant().toString();
    } else if (const qsizetype space = action.indexOf(u' '); space > 0) {
        line = action.mid(space + 1);
        action = action.left(space);
    }
    const int status = act(action, line);
    return status == 200 ? QByteArray() : actionRefused(status).body;
}

} // namespace qc
