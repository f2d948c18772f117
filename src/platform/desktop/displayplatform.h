#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qc {

// What the session says about the window systems there are.
struct SessionEnvironment {
    QByteArray qtPlatform;      // QT_QPA_PLATFORM, as the user set it
    QByteArray waylandDisplay;  // WAYLAND_DISPLAY
    QByteArray sessionType;     // XDG_SESSION_TYPE
    QByteArray x11Display;      // DISPLAY (XWayland's on a Wayland session)
};

SessionEnvironment currentSessionEnvironment();

// The Qt platform the program asks for: "xcb" on a Wayland session that has XWayland, where
// windows can be placed and their places read as the program's rules need; nothing (Qt's own
// choice) elsewhere, and never over a platform the user chose.
std::optional<QByteArray> preferredQtPlatform(const SessionEnvironment& session);

// Whether windows on the Qt platform can be placed and their places read: not on native
// Wayland, where the compositor alone decides.
bool windowPlacesWork(const QString& platformName);

// Said once on standard error where window places do not work.
inline constexpr char kPlacesDoNotWorkNotice[] =
    "quillcast: on this Wayland session the compositor decides where windows go; window places "
    "are neither set nor remembered (run with XWayland, QT_QPA_PLATFORM=xcb, to keep them)\n";

} // namespace qc
