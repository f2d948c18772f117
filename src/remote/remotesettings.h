#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace qc {

class TextFiles;

inline const QString kRemoteSettingsFileName = QStringLiteral("QCREMOTE.INI");
inline constexpr quint16 kDefaultRemotePort = 8765;
inline const QString kLoopbackAddress = QStringLiteral("127.0.0.1");

// Where the remote control listens.
struct RemoteListen {
    QString address = kLoopbackAddress;
    quint16 port = kDefaultRemotePort;
};

// The remote control's own settings, kept in their own file beside the program's settings so
// that those keep exactly their keys.
struct RemoteSettings {
    bool on = false;
    RemoteListen listen;
    QString token;  // made at random when first needed
};

// The remote control asked for on the command line for one run; what it leaves out comes
// from the settings file.
struct RemoteAsk {
    std::optional<QString> address;
    std::optional<quint16> port;
};

// The file's settings; the defaults for a missing file and for every key that cannot be read.
RemoteSettings readRemoteSettings(TextFiles& files, const QString& path);
bool writeRemoteSettings(TextFiles& files, const QString& path, const RemoteSettings& settings);

// The settings the remote control starts with, from those the file keeps: nullopt (it stays
// off) unless they are on or the command line asks for it, whose place then goes over theirs.
// A token is made and kept in the file when there is none.
std::optional<RemoteSettings> remoteStartSettings(TextFiles& files, const QString& path, RemoteSettings kept,
                                                  const std::optional<RemoteAsk>& asked);

// What the operator is told when the server cannot listen (a port in use).
QString remoteListenFailedMessage(const RemoteListen& listen);
inline const QString kRemoteMessageTitle = QStringLiteral("Quillcast リモート操作");

// A new access token: 128 random bits as 32 hexadecimal digits.
QString newRemoteToken();

// "--remote", "--remote=PORT" or "--remote=ADDRESS:PORT" ("[v6]:PORT" for IPv6): what it asks
// for; a message when it is malformed; nullopt when the argument is not the option.
std::optional<std::variant<RemoteAsk, QString>> parseRemoteOption(const QString& argument);

// Whether only this machine can reach the address.
bool isLoopback(const QString& address);

} // namespace qc
