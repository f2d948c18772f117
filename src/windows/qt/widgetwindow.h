#pragma once

#include "windows/window.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace qc {

class Screen;

// Pixels and twips on the primary screen.
int toPixels(int twips, const Screen& screen);
int toTwips(int pixels, const Screen& screen);
// A rectangle given in twips, in pixels: the controls of the designed windows are placed so.
QRect pixelRect(QRect twips, const Screen& screen);

// A top-level window's outer frame in twips; before its first showing, its client area and a
// typical frame.
WindowRect frameRectInTwips(const QWidget& widget, const Screen& screen);
void moveFrameTo(QWidget& widget, int leftTwips, int topTwips, const Screen& screen);

// A press of the left mouse button: what counts as a click on a window or a control.
bool isClick(const QEvent& event);

WindowState windowStateOf(const QWidget& widget);
void setWindowStateOf(QWidget& widget, WindowState state);

// A Qt top-level widget as a managed window. The widget is deleted once the event loop is
// back, as it may be the one whose handler is running when it is unloaded.
class WidgetWindow : public Window {
public:
    WidgetWindow(QWidget* widget, const Screen& screen, std::function<void()> closeHandlers);
    ~WidgetWindow() override;

    void show() override;
    void hide() override;
    void restore() override;
    WindowRect rect() const override;
    void moveTo(int left, int top) override;
    void runCloseHandlers() override;

private:
    QPointer<QWidget> widget_;
    const Screen& screen_;
    std::function<void()> closeHandlers_;
};

} // namespace qc

namespace qc {

// Sets a resizable window's outer size in twips. Until the window system has put a frame
// around the window the frame is unknown, so the size is applied once more when it is;
// otherwise the window would grow by its frame every time it is opened.
class OuterSizer {
public:
    OuterSizer(QWidget& widget, const Screen& screen) : widget_(widget), screen_(screen) {}

    void resizeTo(int widthTwips, int heightTwips);
    // Called from the window's move and resize events.
    void frameMayHaveChanged();

private:
    QWidget& widget_;
    const Screen& screen_;
    std::optional<QSize> pendingOuter_;
};

} // namespace qc
