#pragma once

#include <functional>
#include <memory>

namespace qc {

// A repeating timer delivering ticks on the user-interface thread, between event handlers.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual int intervalMs() const = 0;
};

class Timers {
public:
    virtual ~Timers() = default;
    // The timer starts disabled.
    virtual std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTick) = 0;
};

} // namespace qc
