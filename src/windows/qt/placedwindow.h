#pragma once

#include "windows/placedwindowview.h"
#include "windows/qt/widgetwindow.h"

#include <QCloseEvent>
#include <QWidget>

#include <functional>

namespace qc {

// A top-level Qt window behind a view interface: place and size in twips of its outer frame,
// its state, showing and hiding. Its close box never closes it behind the program's back:
// the handler given unloads it by name, so its closing handlers run in order.
template <typename View>
class QtPlacedWindow : public QWidget, public View {
public:
    explicit QtPlacedWindow(const Screen& screen) : screen_(screen) {}

    void setCloseBoxHandler(std::function<void()> handler) { closeBox_ = std::move(handler); }

    WindowRect rect() const override { return frameRectInTwips(*this, screen_); }
    void moveTo(int left, int top) override { moveFrameTo(*this, left, top, screen_); }
    WindowState windowState() const override { return windowStateOf(*this); }
    void setWindowState(WindowState state) override { setWindowStateOf(*this, state); }
    void showWindow() override
    {
        QWidget::show();
        QWidget::raise();
        QWidget::activateWindow();
    }
    void hideWindow() override { QWidget::hide(); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (closeBox_)
            closeBox_();
    }

    const Screen& screen_;

private:
    std::function<void()> closeBox_;
};

// A window of a fixed client size given in twips.
template <typename View>
class QtFixedWindow : public QtPlacedWindow<View> {
public:
    QtFixedWindow(const Screen& screen, int clientWidthTwips, int clientHeightTwips)
        : QtPlacedWindow<View>(screen),
          fixedSize_(pixelRect(QRect(0, 0, clientWidthTwips, clientHeightTwips), screen).size())
    {
        QWidget::setFixedSize(fixedSize_);
    }

    void keepFixedSize() override
    {
        if (QWidget::size() != fixedSize_)
            QWidget::resize(fixedSize_);
    }

private:
    QSize fixedSize_;
};

} // namespace qc
