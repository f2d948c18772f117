#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace qc::e2e {

struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A private X display (Xvfb) and the tools a user would use on it: xdotool for windows and
// keys, xclip for the clipboard, xwd and ImageMagick for pixels.
class XSession {
public:
    XSession();
    // The X display of another server (XWayland's), with the environment its clients get.
    XSession(const QString& display, const QProcessEnvironment& clients);
    ~XSession();

    bool isRunning() const { return !display_.isEmpty(); }
    const QString& display() const { return display_; }
    QProcessEnvironment environment() const;

    // Runs a tool on the display; its standard output, or nullopt when it failed.
    std::optional<QString> tool(const QString& program, const QStringList& args, int timeoutMs = 10000) const;

    // Visible windows whose title matches the pattern, waiting up to the timeout for one.
    QStringList waitForWindows(const QString& titlePattern, int timeoutMs = 10000) const;
    QStringList windows(const QString& titlePattern) const;
    // Waits until no visible window has a title matching the pattern; whether none is left.
    bool waitUntilGone(const QString& titlePattern, int timeoutMs = 5000) const;
    std::optional<Geometry> geometry(const QString& window) const;
    // Focuses the window and types the keys (xdotool key names).
    void key(const QString& window, const QStringList& keys) const;
    // Waits for the program's main window, presses its show key and waits for the controller;
    // the controller's window, or "" when either did not come.
    QString openController(int startTimeoutMs) const;
    // The controller's Next key, then a pause beyond the button wait that follows a step.
    void next(const QString& controller) const;
    // The colour of one pixel of a window as "#RRGGBB".
    QString pixel(const QString& window, int x, int y) const;
    // Waits for the pixel to take the colour ("#RRGGBB", any letter case); the colour it
    // showed last, in upper case.
    QString waitForPixel(const QString& window, int x, int y, const QString& colour, int timeoutMs = 5000) const;
    QString clipboard() const;
    // Waits until the clipboard holds the text; what it held last.
    QString waitForClipboard(const QString& expected, int timeoutMs = 5000) const;
    // The share (0..1) of a window's pixels within a rectangle that have the colour.
    double colourShare(const QString& window, const QRect& area, const QString& colour) const;
    void click(const QString& window, int x, int y) const;
    void type(const QString& window, const QString& text) const;

private:
    QProcess server_;
    QString display_;
    QTemporaryDir runtimeDir_;
    std::optional<QProcessEnvironment> clients_;
};

} // namespace qc::e2e
