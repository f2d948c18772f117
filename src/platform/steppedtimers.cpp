#include "platform/steppedtimers.h"

#include <algorithm>

namespace qc {

SteppedTimers::SteppedTimer::SteppedTimer(SteppedTimers& owner, int intervalMs, std::function<void()> onTick)
    : owner_(owner), interval_(intervalMs), onTick_(std::move(onTick))
{
    owner_.timers_.push_back(this);
}

SteppedTimers::SteppedTimer::~SteppedTimer()
{
    auto& timers = owner_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void SteppedTimers::SteppedTimer::tick()
{
    if (enabled_)
        onTick_();
}

std::unique_ptr<Timer> SteppedTimers::create(int intervalMs, std::function<void()> onTick)
{
    return std::make_unique<SteppedTimer>(*this, intervalMs, std::move(onTick));
}

void SteppedTimers::tickAll()
{
    // A tick may create or destroy timers: tick a copy of the list.
    const std::vector<SteppedTimer*> timers = timers_;
    for (SteppedTimer* timer : timers)
        timer->tick();
}

void SteppedTimers::letTimePass()
{
    constexpr int kMostRounds = 8;
    for (int round = 0; round < kMostRounds; ++round) {
        tickAll();
        if (std::none_of(timers_.begin(), timers_.end(), [](const SteppedTimer* t) { return t->isEnabled(); }))
            return;
    }
}

} // namespace qc
