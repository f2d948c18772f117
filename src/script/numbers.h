#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <stdexcept>

namespace qc {

// Raised when a number does not fit the integer it is converted to. Callers decide what
// it means: the settings reader reports a read error, script commands treat the value as
// out of range.
class NumberOverflow : public std::range_error {
public:
    NumberOverflow() : std::range_error("number outside the integer range") {}
};

// The numeric value of a text: blanks, tabs and line feeds are ignored anywhere; a sign,
// digits with one decimal point and an exponent, or "&H" hexadecimal / "&O" octal digits.
// Reading stops at the first character that cannot continue the number; no number is 0.
double numberOfText(QStringView text);

// Nearest integer, halves to the even neighbour; throws NumberOverflow outside the range.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Shorthands for the common "read a text as a 16-bit integer".
inline std::int16_t int16OfText(QStringView text) { return toInt16(numberOfText(text)); }

// The shortest decimal text of a real value (1.50 gives "1.5", 2.0 gives "2").
QString realText(double value);

} // namespace qc
