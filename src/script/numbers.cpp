#include "script/numbers.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace qc {

namespace {

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Walks a text while skipping the blanks that reading ignores.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(QStringView text) : text_(text) { skipBlanks(); }

    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return atEnd() ? QChar() : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && isIgnoredBlank(text_[pos_]))
            ++pos_;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

double readRadixDigits(BlankSkippingCursor& cursor, int radix)
{
    double value = 0;
    for (;;) {
        const char16_t c = cursor.peek().unicode();
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (radix == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (radix == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= radix)
            return value;
        value = value * radix + digit;
        cursor.advance();
    }
}

// Decimal text to double independent of the process locale.
double parseCLocale(const std::string& ascii)
{
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

double roundHalfEven(double value)
{
    double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floorValue, 2.0) != 0.0))
        floorValue += 1.0;
    return floorValue;
}

template <typename Int>
Int toInteger(double value, double low, double high)
{
    if (!std::isfinite(value))
        throw NumberOverflow();
    const double rounded = roundHalfEven(value);
    if (rounded < low || rounded > high)
        throw NumberOverflow();
    return static_cast<Int>(rounded);
}

} // namespace

double numberOfText(QStringView text)
{
    BlankSkippingCursor cursor(text);

    if (cursor.peek() == u'&') {
        cursor.advance();
        const QChar radixLetter = cursor.peek().toUpper();
        if (radixLetter == u'H' || radixLetter == u'O') {
            cursor.advance();
            return readRadixDigits(cursor, radixLetter == u'H' ? 16 : 8);
        }
        return 0;
    }

    std::string ascii;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        if (cursor.peek() == u'-')
            ascii += '-';
        cursor.advance();
    }

    bool haveDigits = false;
    bool havePoint = false;
    for (;;) {
        const QChar c = cursor.peek();
        if (isDigit(c)) {
            ascii += char(c.unicode());
            haveDigits = true;
        } else if (c == u'.' && !havePoint) {
            ascii += '.';
            havePoint = true;
        } else {
            break;
        }
        cursor.advance();
    }
    if (!haveDigits)
        return 0;

    if (cursor.peek() == u'E' || cursor.peek() == u'e') {
        cursor.advance();
        std::string exponent = "e";
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            exponent += char(cursor.peek().unicode());
            cursor.advance();
        }
        bool haveExponentDigits = false;
        while (isDigit(cursor.peek())) {
            exponent += char(cursor.peek().unicode());
            haveExponentDigits = true;
            cursor.advance();
        }
        if (haveExponentDigits)
            ascii += exponent;
    }
    return parseCLocale(ascii);
}

std::int16_t toInt16(double value)
{
    return toInteger<std::int16_t>(value, -32768.0, 32767.0);
}

std::int32_t toInt32(double value)
{
    return toInteger<std::int32_t>(value, -2147483648.0, 2147483647.0);
}

QString realText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

} // namespace qc
