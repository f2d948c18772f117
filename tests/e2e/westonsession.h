#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

namespace qc::e2e {

// A Wayland session of the test's own: Weston without a screen (its headless backend), with
// XWayland, in a private runtime folder.
class WestonSession {
public:
    WestonSession();
    ~WestonSession();

    bool isRunning() const { return !x11Display_.isEmpty(); }
    const QString& reason() const { return reason_; }
    // XWayland's display, as ":N".
    const QString& x11Display() const { return x11Display_; }
    // What a program started in the session finds: the Wayland socket, XWayland's display,
    // the session type, and no Qt platform chosen.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir runtime_;
    QProcess weston_;
    QString x11Display_;
    QString reason_;
};

} // namespace qc::e2e
