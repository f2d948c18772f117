#pragma once

#include "platform/timers.h"

namespace qc {

// Timers on the Qt event loop of the user-interface thread.
class QtTimers : public Timers {
public:
    std::unique_ptr<Timer> create(int intervalMs, std::function<void()> onTick) override;
};

} // namespace qc
