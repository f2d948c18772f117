#pragma once

#include "shell/splashlogic.h"

#include <QWidget>

namespace qc {

// frmOp00, the opening splash.
class QtSplash : public QWidget, public SplashView {
public:
    QtSplash(const Screen& screen, Timers& timers, SplashLogic::Actions actions);

    SplashLogic& logic() { return logic_; }

    WindowRect rect() const override;
    void moveTo(int left, int top) override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const Screen& screen_;
    SplashLogic logic_;
};

} // namespace qc
