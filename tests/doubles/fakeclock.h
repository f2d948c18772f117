#pragma once

#include "platform/clock.h"

namespace qc::test {

class FakeClock : public Clock {
public:
    explicit FakeClock(QTime now = QTime(12, 0, 0)) : now_(now) {}
    QTime localTime() const override { return now_; }
    void set(QTime now) { now_ = now; }

private:
    QTime now_;
};

} // namespace qc::test
