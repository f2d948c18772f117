#include "shell/preview/quietdesktop.h"

#include "windows/designsizes.h"

namespace qc::preview {

class QuietTimers::QuietTimer : public Timer {
public:
    QuietTimer(int intervalMs, std::function<void()> onTick)
        : interval_(intervalMs), onTick_(std::move(onTick))
    {
    }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool isEnabled() const override { return enabled_; }
    int intervalMs() const override { return interval_; }
    void tick()
    {
        if (enabled_)
            onTick_();
    }

private:
    int interval_;
    std::function<void()> onTick_;
    bool enabled_ = false;
};

std::unique_ptr<Timer> QuietTimers::create(int intervalMs, std::function<void()> onTick)
{
    auto timer = std::make_unique<QuietTimer>(intervalMs, std::move(onTick));
    timers_.push_back(timer.get());
    return timer;
}

void QuietTimers::letTimePass()
{
    constexpr int kMostRounds = 8;
    for (int round = 0; round < kMostRounds; ++round) {
        bool anyEnabled = false;
        for (QuietTimer* timer : timers_) {
            timer->tick();
            anyEnabled = anyEnabled || timer->isEnabled();
        }
        if (!anyEnabled)
            return;
    }
}

OperatorWindowSizes QuietFirstRunWindows::measure(int displayWidth, int displayHeight)
{
    OperatorWindowSizes sizes = designWindowSizes();
    sizes.displayWidth = displayWidth;
    sizes.displayHeight = displayHeight;
    return sizes;
}

} // namespace qc::preview
