#pragma once

#include <QString>

#include <memory>

namespace qc {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A window's outer frame in twips.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A loaded top-level window as the window manager drives it. Loading (creating the window
// and running its load handler without showing it) is the WindowLoader's.
class Window {
public:
    virtual ~Window() = default;
    // Visible and in front, modeless.
    virtual void show() = 0;
    virtual void hide() = 0;
    // Back to the normal state from minimised or maximised.
    virtual void restore() = 0;
    virtual WindowRect rect() const = 0;
    virtual void moveTo(int left, int top) = 0;
    // Runs the window's closing handlers (asked to close, then unloading). The window is
    // destroyed afterwards.
    virtual void runCloseHandlers() = 0;
};

// Creates windows by name: "frmMi00", "frmSb03", ...; nullptr for a name it does not know.
class WindowLoader {
public:
    virtual ~WindowLoader() = default;
    virtual std::unique_ptr<Window> load(const QString& name) = 0;
};

} // namespace qc
