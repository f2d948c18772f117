#pragma once

#include "windows/window.h"

namespace qc {

class Screen;

// What the handlers of an operator window need of it: its place, its state, showing and
// hiding.
class PlacedWindowView {
public:
    virtual ~PlacedWindowView() = default;
    virtual WindowRect rect() const = 0;
    virtual void moveTo(int left, int top) = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
};

// A window that cannot be resized.
class FixedWindowView : public PlacedWindowView {
public:
    // Puts the window back to its fixed size.
    virtual void keepFixedSize() = 0;
};

// A window state written in the settings ("0" normal, "1" minimised, "2" maximised), read as
// a number; anything else is normal.
WindowState windowStateOfText(const QString& text);

// The window's place pulled inside the screen, its size unchanged: a negative coordinate
// becomes 0, a far edge past the screen's edge is brought onto it, a window larger than the
// screen goes to 0.
WindowRect keptOnScreen(WindowRect rect, const Screen& screen);

// Moves the window to its place inside the screen.
void keepOnScreen(PlacedWindowView& view, const Screen& screen);

} // namespace qc
