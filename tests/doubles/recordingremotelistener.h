#pragma once

#include "remote/remotecontrol.h"

#include <QList>
#include <QStringList>

namespace qc::test {

// Listens wherever it is told, except at the ports listed as taken; logs each start and stop.
class RecordingRemoteListener : public RemoteListener {
public:
    std::optional<quint16> start(const RemoteListen& listen) override
    {
        log << QStringLiteral("start %1:%2").arg(listen.address).arg(listen.port);
        if (taken.contains(listen.port))
            return std::nullopt;
        return listen.port;
    }
    void stop() override { log << QStringLiteral("stop"); }

    QStringList log;
    QList<quint16> taken;
};

} // namespace qc::test
