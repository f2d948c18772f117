#pragma once

#include "windows/window.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace qc {

class Screen;

// Pixels and twips on the primary screen.
int toPixels(int twips, const Screen& screen);
int toTwips(int pixels, const Screen& screen);
// A rectangle given in twips, in pixels: the controls of the designed windows are placed so.
QRect pixelRect(QRect twips, const Screen& screen);

// A top-level window's outer frame in twips; without a frame yet (never shown), its client
// area.
WindowRect frameRectInTwips(const QWidget& widget, const Screen& screen);
void moveFrameTo(QWidget& widget, int leftTwips, int topTwips, const Screen& screen);

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
