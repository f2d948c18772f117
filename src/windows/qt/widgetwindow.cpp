#include "windows/qt/widgetwindow.h"

#include "platform/screen.h"
#include "windows/designsizes.h"

#include <QMouseEvent>

#include <cmath>

namespace qc {

int toPixels(int twips, const Screen& screen)
{
    return int(std::lround(twips / screen.twipsPerPixel()));
}

int toTwips(int pixels, const Screen& screen)
{
    return int(std::lround(pixels * screen.twipsPerPixel()));
}

QRect pixelRect(QRect twips, const Screen& screen)
{
    return {toPixels(twips.x(), screen), toPixels(twips.y(), screen), toPixels(twips.width(), screen),
            toPixels(twips.height(), screen)};
}

WindowRect frameRectInTwips(const QWidget& widget, const Screen& screen)
{
    const QRect frame = widget.frameGeometry();
    WindowRect rect{toTwips(frame.x(), screen), toTwips(frame.y(), screen), toTwips(frame.width(), screen),
                    toTwips(frame.height(), screen)};
    // Before its first showing a window has no frame yet: a typical one is counted, so that
    // centring and keeping it on the screen treat the window as it will look.
    if (!widget.windowHandle()) {
        rect.width += kTypicalFrame.width;
        rect.height += kTypicalFrame.height;
    }
    return rect;
}

void moveFrameTo(QWidget& widget, int leftTwips, int topTwips, const Screen& screen)
{
    widget.move(toPixels(leftTwips, screen), toPixels(topTwips, screen));
}

bool isClick(const QEvent& event)
{
    return event.type() == QEvent::MouseButtonPress
           && static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
}

WindowState windowStateOf(const QWidget& widget)
{
    const Qt::WindowStates state = widget.windowState();
    if (state & Qt::WindowMinimized)
        return WindowState::Minimized;
    if (state & Qt::WindowMaximized)
        return WindowState::Maximized;
    return WindowState::Normal;
}

void setWindowStateOf(QWidget& widget, WindowState state)
{
    Qt::WindowStates flags = widget.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == WindowState::Minimized)
        flags |= Qt::WindowMinimized;
    else if (state == WindowState::Maximized)
        flags |= Qt::WindowMaximized;
    widget.setWindowState(flags);
}

WidgetWindow::WidgetWindow(QWidget* widget, const Screen& screen, std::function<void()> closeHandlers)
    : widget_(widget), screen_(screen), closeHandlers_(std::move(closeHandlers))
{
}

WidgetWindow::~WidgetWindow()
{
    if (widget_) {
        widget_->hide();
        widget_->deleteLater();
    }
}

void WidgetWindow::show()
{
    if (!widget_)
        return;
    widget_->show();
    widget_->raise();
    // Windows made only to be seen (the sub displays) never take the keyboard from the
    // operator's controller.
    if (!widget_->testAttribute(Qt::WA_ShowWithoutActivating))
        widget_->activateWindow();
}

void WidgetWindow::hide()
{
    if (widget_)
        widget_->hide();
}

void WidgetWindow::restore()
{
    if (widget_)
        setWindowStateOf(*widget_, WindowState::Normal);
}

WindowRect WidgetWindow::rect() const
{
    return widget_ ? frameRectInTwips(*widget_, screen_) : WindowRect{};
}

void WidgetWindow::moveTo(int left, int top)
{
    if (widget_)
        moveFrameTo(*widget_, left, top, screen_);
}

void WidgetWindow::runCloseHandlers()
{
    closeHandlers_();
}

} // namespace qc

namespace qc {

void OuterSizer::resizeTo(int widthTwips, int heightTwips)
{
    const QSize outer(toPixels(widthTwips, screen_), toPixels(heightTwips, screen_));
    const QSize frame = widget_.frameGeometry().size() - widget_.geometry().size();
    widget_.resize(outer - frame);
    if (frame.isNull())
        pendingOuter_ = outer;
    else
        pendingOuter_.reset();
}

void OuterSizer::frameMayHaveChanged()
{
    if (!pendingOuter_)
        return;
    const QSize frame = widget_.frameGeometry().size() - widget_.geometry().size();
    if (frame.isNull())
        return;
    const QSize outer = *pendingOuter_;
    pendingOuter_.reset();
    widget_.resize(outer - frame);
}

} // namespace qc
