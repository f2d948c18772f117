#pragma once

#include "platform/timers.h"

#include <vector>

namespace qc::test {

// Timers that tick only when a test says so.
class ManualTimers : public Timers {
public:
    class ManualTimer : public Timer {
    public:
        ManualTimer(int intervalMs, std::function<void()> onTick)
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

    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTick) override
    {
        auto timer = std::make_unique<ManualTimer>(intervalMs, std::move(onTick));
        created.push_back(timer.get());
        return timer;
    }

    // One tick of every enabled timer.
    void tickAll()
    {
        for (ManualTimer* timer : created)
            timer->tick();
    }

    std::vector<ManualTimer*> created;
};

} // namespace qc::test
