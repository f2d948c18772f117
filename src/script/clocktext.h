#pragma once

#include <QString>
#include <QStringView>

namespace qc {

class Clock;

// The text when it is a valid "hh:nn:ss" time of day, else "".
QString validClockText(QStringView text);

// Minute boundaries passed since a "hh:nn:ss" start time, across midnight; "" for an invalid
// start.
QString minutesSinceClock(QStringView start, const Clock& clock);

// The clock's time as "hh:nn:ss".
QString clockText(const Clock& clock);

} // namespace qc
