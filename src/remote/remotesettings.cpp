#include "remote/remotesettings.h"

#include "platform/textfiles.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace qc {

namespace {

const QString kSection = QStringLiteral("[Remote]");

std::optional<quint16> portOf(const QString& text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

bool isAddress(const QString& text)
{
    return !QHostAddress(text).isNull();
}

bool isToken(const QString& text)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{32}$"));
    return hex.match(text).hasMatch();
}

} // namespace

RemoteSettings readRemoteSettings(TextFiles& files, const QString& path)
{
    RemoteSettings settings;
    const std::optional<QStringList> lines = files.readLines(path, 100);
    if (!lines)
        return settings;
    for (const QString& line : *lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == u"On")
            settings.on = value == u"1";
        else if (key == u"Address" && isAddress(value))
            settings.listen.address = value;
        else if (key == u"Port" && portOf(value))
            settings.listen.port = *portOf(value);
        else if (key == u"Token" && isToken(value))
            settings.token = value;
    }
    return settings;
}

bool writeRemoteSettings(TextFiles& files, const QString& path, const RemoteSettings& settings)
{
    return files.writeLines(path, {kSection, QStringLiteral("On=%1").arg(settings.on ? 1 : 0),
                                   QStringLiteral("Address=") + settings.listen.address,
                                   QStringLiteral("Port=%1").arg(settings.listen.port),
                                   QStringLiteral("Token=") + settings.token});
}

std::optional<RemoteSettings> remoteStartSettings(TextFiles& files, const QString& path, RemoteSettings settings,
                                                  const std::optional<RemoteAsk>& asked)
{
    if (!settings.on && !asked)
        return std::nullopt;
    if (settings.token.isEmpty()) {
        settings.token = newRemoteToken();
        // Kept as the file had it otherwise: the command line asks for one run only.
        writeRemoteSettings(files, path, settings);
    }
    if (asked) {
        settings.listen.address = asked->address.value_or(settings.listen.address);
        settings.listen.port = asked->port.value_or(settings.listen.port);
    }
    return settings;
}

QString remoteListenFailedMessage(const RemoteListen& listen)
{
    return QStringLiteral("リモート操作を開始できません。%1 のポート %2 は使用中か、使えません。\n"
                          "Quillcast はリモート操作なしで続けます。")
        .arg(listen.address)
        .arg(listen.port);
}

QString newRemoteToken()
{
    QString token;
    for (int i = 0; i < 4; ++i)
        token += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'));
    return token;
}

std::optional<std::variant<RemoteAsk, QString>> parseRemoteOption(const QString& argument)
{
    static const QString option = QStringLiteral("--remote");
    if (argument == option)
        return RemoteAsk{};
    if (!argument.startsWith(option + u'='))
        return std::nullopt;
    const QString place = argument.mid(option.size() + 1);
    RemoteAsk ask;
    QString portText = place;
    const qsizetype colon = place.lastIndexOf(u':');
    if (colon >= 0) {
        QString address = place.left(colon);
        if (address.startsWith(u'[') && address.endsWith(u']'))
            address = address.mid(1, address.size() - 2);
        if (!isAddress(address))
            return QStringLiteral("'%1' is not an IP address").arg(address);
        ask.address = QHostAddress(address).toString();
        portText = place.mid(colon + 1);
    }
    const std::optional<quint16> port = portOf(portText);
    if (!port)
        return QStringLiteral("'%1' is not a port (1-65535)").arg(portText);
    ask.port = *port;
    return ask;
}

bool isLoopback(const QString& address)
{
    return QHostAddress(address).isLoopback();
}

} // namespace qc
