#pragma once

#include "platform/timers.h"

#include <vector>

namespace qc {

// Timers that tick only when told: time for the script preview, which shows no window and
// waits for nothing, and for tests.
class SteppedTimers : public Timers {
public:
    class SteppedTimer : public Timer {
    public:
        SteppedTimer(SteppedTimers& owner, int intervalMs, std::function<void()> onTick);
        ~SteppedTimer() override;
        void setEnabled(bool enabled) override { enabled_ = enabled; }
        bool isEnabled() const override { return enabled_; }
        int intervalMs() const override { return interval_; }
        void tick();

    private:
        SteppedTimers& owner_;
        int interval_;
        std::function<void()> onTick_;
        bool enabled_ = false;
    };

    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTick) override;

    // One tick of every enabled timer.
    void tickAll();
    // As much time as passes between two presses of an operator: the timers tick until
    // they have all stopped by themselves (a few rounds at the most).
    void letTimePass();

    const std::vector<SteppedTimer*>& timers() const { return timers_; }

private:
    friend class SteppedTimer;
    std::vector<SteppedTimer*> timers_;
};

} // namespace qc
