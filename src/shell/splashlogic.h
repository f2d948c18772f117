#pragma once

#include "windows/placedwindowview.h"

#include <functional>
#include <memory>

namespace qc {

class Screen;
class Timer;
class Timers;

// The opening splash as its handlers see it.
class SplashView : public PlacedWindowView {};

// frmOp00: centred, on screen for two seconds, then the start-up runs. Esc ends the program
// there and then, writing nothing.
class SplashLogic {
public:
    struct Actions {
        std::function<void()> endAtOnce;
        std::function<void()> unloadSplash;
        std::function<void(bool splashMinimised)> startUp;
    };

    SplashLogic(SplashView& view, const Screen& screen, Timers& timers, Actions actions);
    ~SplashLogic();

    void onLoad();
    // After the splash was first shown: it is never maximised.
    void onShown();
    bool onKeyPress(QChar key);

private:
    void onTimer();

    SplashView& view_;
    const Screen& screen_;
    std::unique_ptr<Timer> timer_;
    Actions actions_;
};

inline constexpr int kSplashMs = 2000;

} // namespace qc
