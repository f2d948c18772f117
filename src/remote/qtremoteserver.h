#pragma once

#include "remote/remotecontrol.h"
#include "remote/remotesettings.h"

#include <QHttpServer>
#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class QWebSocket;

namespace qc {

class RemoteApi;
class RemoteStateTracker;

// The remote control on the network: Qt's HTTP server hands every request to the API, and
// every WebSocket on /ws gets the state after each change and may send actions.
class QtRemoteServer : public QObject, public RemoteListener {
public:
    QtRemoteServer(RemoteApi& api, RemoteStateTracker& state);
    ~QtRemoteServer() override;

    // Listens at the place, afresh; the port it took, or nullopt when it cannot (a port in use).
    std::optional<quint16> start(const RemoteListen& listen) override;
    // Closes the server and every connection.
    void stop() override;

    // The names a request may address this machine by when listening at `address`.
    static QList<QString> ownHosts(const QString& address);

private:
    void acceptWebSockets();
    void pushState();

    RemoteApi& api_;
    RemoteStateTracker& state_;
    std::unique_ptr<QHttpServer> http_;
    std::vector<std::unique_ptr<QWebSocket>> sockets_;
};

} // namespace qc
