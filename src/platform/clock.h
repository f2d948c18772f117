#pragma once

#include <QTime>

namespace qc {

// The local wall clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QTime localTime() const = 0;
};

} // namespace qc
