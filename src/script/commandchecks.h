#pragma once

#include <QString>
#include <QStringView>

namespace qc {

// The checks script command values share. A number beyond the 16-bit range where an integer
// is read counts as out of range, like any other value outside the key's range.

// The value's number rounded to an integer (halves to even; no number reads 0) when it lies
// within min..max, else `fallback`.
QString checkedInt(const QString& value, QStringView min, QStringView max, const QString& fallback);

// The value as written when its number lies within min..max, else `fallback`.
QString checkedReal(const QString& value, QStringView min, QStringView max, const QString& fallback);

// A show key: "off", "on" and "hide" (any letter case) are 0, 1 and 2; then an integer 0..2;
// anything else is "0", off.
QString checkedShow(const QString& value);

// The value read as a 16-bit integer; 0 beyond that range.
int int16OrZero(QStringView value);

} // namespace qc
