#pragma once

#include <QString>
#include <QStringView>

namespace qc {

// Range checks for values held as text. min and max are read as 16-bit integers; an empty
// value takes the default; a default outside the range becomes min. With any default other
// than "reset" the value is rounded to an integer (halves to even) before it is tested; with
// "reset" it is tested as written and a value "reset" passes through.
// Throws NumberOverflow when a number is beyond the 16-bit range.
QString clampIntText(QString value, QStringView min, QStringView max, QString defaultValue);

// As clampIntText, but min, max and the value are kept as real numbers in their shortest text.
QString clampRealText(QString value, QStringView min, QStringView max, QString defaultValue);

// The run of decimal digits at the start of the first 20 characters.
QString leadingDigits(QStringView text);

// The first n characters; n outside 1..255 counts as 50. A cut never splits a surrogate pair.
QString limitLength(const QString& text, int n);
// The first n characters (n from 0), never splitting a surrogate pair.
QString firstCharacters(const QString& text, qsizetype n);

// Drops one leading and then one trailing double quote, for texts longer than one character.
QString stripOuterQuotes(QString text);

// A number with at most `decimals` decimals (0..9) and at least one when it is not whole;
// with no decimals the value is taken down to the integer below it.
QString formatDecimals(QStringView number, QStringView decimals);

// True when the value read as a 16-bit integer is above 0. Throws NumberOverflow.
bool positiveToBool(QStringView value);

int trueToOne(bool value);
int trueToOne(double value);

// The part before the first NUL character.
QString cutAtNul(const QString& text);

// Whether a text is the word "reset" in any letter case.
bool isResetWord(QStringView text);

} // namespace qc
