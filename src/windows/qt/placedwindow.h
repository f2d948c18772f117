#pragma once

#include "windows/placedwindowview.h"
#include "windows/qt/operatorwindow.h"
#include "windows/qt/widgetwindow.h"

namespace qc {

// A top-level Qt window behind a view interface: place and size in twips of its outer frame,
// its state, showing and hiding.
template <typename View>
class QtPlacedWindow : public QtOperatorWindow, public View {
public:
    explicit QtPlacedWindow(const Screen& screen) : screen_(screen) {}

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
    const Screen& screen_;
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
