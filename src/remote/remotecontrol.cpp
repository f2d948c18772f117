#include "remote/remotecontrol.h"

#include "platform/messagebox.h"
#include "platform/textfiles.h"

#include <QHostAddress>
#include <QUrl>

namespace qc {

RemoteControl::RemoteControl(Parts parts) : parts_(std::move(parts)) {}

void RemoteControl::start(const QString& settingsPath, const std::optional<RemoteAsk>& asked)
{
    settingsPath_ = settingsPath;
    settings_ = readRemoteSettings(parts_.files, settingsPath);
    if (const std::optional<RemoteSettings> started =
            remoteStartSettings(parts_.files, settingsPath, settings_, asked)) {
        settings_ = *started;
        settings_.on = true;
        listen();
    }
}

void RemoteControl::apply(RemoteSettings chosen)
{
    if (chosen.token.isEmpty())
        chosen.token = settings_.token.isEmpty() ? newRemoteToken() : settings_.token;
    writeRemoteSettings(parts_.files, settingsPath_, chosen);
    settings_ = chosen;
    parts_.listener.stop();
    port_.reset();
    if (settings_.on)
        listen();
}

void RemoteControl::listen()
{
    const RemoteListen& place = settings_.listen;
    parts_.access = {parts_.ownHosts(place.address), place.port, isLoopback(place.address), settings_.token};
    port_ = parts_.listener.start(place);
    if (port_) {
        parts_.access.port = *port_;
        return;
    }
    parts_.messages.show(remoteListenFailedMessage(place), kRemoteMessageTitle);
}

QString RemoteControl::pageUrl(const QString& path, const QString& host) const
{
    return remotePageUrl(settings_, port_.value_or(settings_.listen.port), path, host);
}

QString remotePageUrl(const RemoteSettings& settings, quint16 port, const QString& path, const QString& host)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(path);
    if (!isLoopback(settings.listen.address))
        url.setQuery(QStringLiteral("token=") + settings.token);
    return url.toString();
}

} // namespace qc
