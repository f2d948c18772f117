#pragma once

#include "remote/remoteapi.h"
#include "remote/remotesettings.h"

#include <functional>
#include <optional>

namespace qc {

class MessageBox;
class TextFiles;

// The network side of the remote control: listening starts afresh each time.
class RemoteListener {
public:
    virtual ~RemoteListener() = default;
    // The port it listens on; nullopt when it cannot (a port in use).
    virtual std::optional<quint16> start(const RemoteListen& listen) = 0;
    virtual void stop() = 0;
};

// The remote control's switch: what the settings file and the command line ask for at
// start-up, and the operator's later choices, each kept and put in force at once.
class RemoteControl {
public:
    struct Parts {
        TextFiles& files;
        MessageBox& messages;
        RemoteListener& listener;
        RemoteAccess& access;
        // The names a request may address this machine by when listening at an address.
        std::function<QList<QString>(const QString& address)> ownHosts;
    };

    explicit RemoteControl(Parts parts);

    void start(const QString& settingsPath, const std::optional<RemoteAsk>& asked);
    // The operator's choice: written to the settings file, then listening stops or starts
    // again as it says. A choice without a token gets the one in force, or a new one.
    void apply(RemoteSettings chosen);

    const RemoteSettings& settings() const { return settings_; }
    bool listening() const { return port_.has_value(); }
    // The address of one of the pages (path "/" or "/overlay") as a machine reaching this one
    // by `host` opens it.
    QString pageUrl(const QString& path, const QString& host) const;

private:
    void listen();

    Parts parts_;
    QString settingsPath_;
    RemoteSettings settings_;
    std::optional<quint16> port_;
};

// A page's address under settings: the port, and the token whenever the server listens beyond
// this machine (it then asks every request for it).
QString remotePageUrl(const RemoteSettings& settings, quint16 port, const QString& path, const QString& host);

} // namespace qc
