#pragma once

#include "platform/clock.h"

namespace qc {

class SystemClock : public Clock {
public:
    QTime localTime() const override { return QTime::currentTime(); }
};

} // namespace qc
