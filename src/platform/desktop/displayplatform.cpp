#include "platform/desktop/displayplatform.h"

#include <QtGlobal>

namespace qc {

SessionEnvironment currentSessionEnvironment()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY")};
}

std::optional<QByteArray> preferredQtPlatform(const SessionEnvironment& session)
{
    if (!session.qtPlatform.isEmpty())
        return std::nullopt;
    const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    if (wayland && !session.x11Display.isEmpty())
        return QByteArray("xcb");
    return std::nullopt;
}

bool windowPlacesWork(const QString& platformName)
{
    return !platformName.startsWith(QLatin1String("wayland"));
}

} // namespace qc
