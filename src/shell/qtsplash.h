#pragma once

#include "shell/splashlogic.h"
#include "windows/qt/placedwindow.h"

namespace qc {

// frmOp00, the opening splash.
class QtSplash : public QtPlacedWindow<SplashView> {
public:
    QtSplash(const Screen& screen, Timers& timers, SplashLogic::Actions actions);

    SplashLogic& logic() { return logic_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    SplashLogic logic_;
};

} // namespace qc
