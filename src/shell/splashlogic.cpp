#include "shell/splashlogic.h"

#include "platform/screen.h"
#include "platform/timers.h"

#include <cmath>

namespace qc {

SplashLogic::SplashLogic(SplashView& view, const Screen& screen, Timers& timers, Actions actions)
    : view_(view), screen_(screen), timer_(timers.create(kSplashMs, [this] { onTimer(); })),
      actions_(std::move(actions))
{
}

SplashLogic::~SplashLogic() = default;

void SplashLogic::onLoad()
{
    const WindowRect rect = view_.rect();
    view_.moveTo(int(std::floor((screen_.widthTwips() - rect.width) * 0.5)),
                 int(std::floor((screen_.heightTwips() - rect.height) * 0.5)));
    timer_->setEnabled(true);
}

void SplashLogic::onShown()
{
    if (view_.windowState() == WindowState::Maximized)
        view_.setWindowState(WindowState::Normal);
}

bool SplashLogic::onKeyPress(QChar key)
{
    if (key != QChar(27))
        return false;
    timer_->setEnabled(false);
    actions_.endAtOnce();
    return true;
}

void SplashLogic::onTimer()
{
    const bool minimised = view_.windowState() == WindowState::Minimized;
    timer_->setEnabled(false);
    // The start-up may run for a while (message boxes); the splash is gone by then. This
    // object goes with it, so everything it needs is taken first.
    const auto startUp = actions_.startUp;
    actions_.unloadSplash();
    startUp(minimised);
}

} // namespace qc
