#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrlQuery>

namespace qc {

class RemoteStateTracker;
class StepOperator;

// One HTTP request as the remote control judges it.
struct RemoteRequest {
    QByteArray method;   // "GET", "POST", ...
    QString path;
    QUrlQuery query;
    QByteArray host;     // the Host header
    QByteArray origin;   // the Origin header, when a browser sent one
    QByteArray token;    // the X-Quillcast-Token header
    QByteArray authorization;
    QByteArray body;
};

struct RemoteResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

// Who may use the remote control: the host names a request may be addressed to, and the token
// that control and state need beyond this machine.
struct RemoteAccess {
    QList<QString> hosts;  // besides "localhost" and the loopback addresses
    quint16 port = 0;
    bool loopbackOnly = true;
    QString token;
};

inline constexpr qsizetype kMostRemoteBodyBytes = 4096;

// The remote control's requests: the state, the controller's operations and the two pages.
// A step asked for here is the controller's own, through the same operator.
class RemoteApi {
public:
    struct Parts {
        StepOperator& steps;
        const RemoteStateTracker& state;
        const RemoteAccess& access;
    };

    explicit RemoteApi(Parts parts);

    RemoteResponse handle(const RemoteRequest& request) const;

    // Whether a WebSocket may open with these request details.
    bool acceptsWebSocket(const RemoteRequest& request) const;
    // A WebSocket message: an action ("next", "jump 12", or {"action":"jump","line":12}).
    // What to answer: an error message in JSON, or nothing (the state follows on its own).
    QByteArray handleMessage(const QString& message) const;

private:
    bool hostAllowed(const QByteArray& host) const;
    bool tokenGiven(const RemoteRequest& request) const;
    bool sameOrigin(const QByteArray& origin) const;
    // The action's status: 200 done, 404 no such action, 409 no presentation run, 400 bad line.
    int act(const QString& action, const QString& line) const;

    Parts parts_;
};

} // namespace qc
