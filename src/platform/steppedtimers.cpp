#include "platform/steppedtimers.h"

#include <algorithm>
#include <iterator>

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

// One round of time: the timers running when it begins tick once. A timer started during the
// round first ticks in the next, as a real timer's interval begins when it is started. A tick
// may create or destroy timers, so each is looked up again before it ticks.
void SteppedTimers::tickAll()
{
    std::vector<SteppedTimer*> due;
    std::copy_if(timers_.begin(), timers_.end(), std::back_inserter(due),
                 [](const SteppedTimer* timer) { return timer->isEnabled(); });
    for (SteppedTimer* timer : due) {
        if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end())
            timer->tick();
    }
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
