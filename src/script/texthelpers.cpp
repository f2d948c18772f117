#include "script/texthelpers.h"

#include "script/numbers.h"

#include <algorithm>
#include <cmath>

namespace qc {

namespace {

const QString kReset = QStringLiteral("reset");

// The five steps shared by both range checks; `normalise` turns a number text into the form
// the check compares and stores.
template <typename Normalise>
QString clampText(QString value, QStringView minText, QStringView maxText, QString defaultValue,
                  Normalise normalise)
{
    const QString min = normalise(minText);
    QString max = normalise(maxText);
    if (value.isEmpty())
        value = defaultValue;
    const double minValue = numberOfText(min);
    if (minValue > numberOfText(max))
        max = min;
    const double maxValue = numberOfText(max);
    if (defaultValue != kReset) {
        const double defaultNumber = numberOfText(defaultValue);
        if (defaultNumber > maxValue || defaultNumber < minValue)
            defaultValue = min;
        value = normalise(value);
    }
    if (value == kReset)
        return value;
    const double number = numberOfText(value);
    if (number < minValue || number > maxValue)
        return defaultValue;
    return value;
}

} // namespace

QString clampIntText(QString value, QStringView min, QStringView max, QString defaultValue)
{
    return clampText(std::move(value), min, max, std::move(defaultValue), [](QStringView text) {
        return QString::number(int16OfText(text));
    });
}

QString clampRealText(QString value, QStringView min, QStringView max, QString defaultValue)
{
    return clampText(std::move(value), min, max, std::move(defaultValue), [](QStringView text) {
        return realText(numberOfText(text));
    });
}

QString leadingDigits(QStringView text)
{
    const QStringView head = text.left(20);
    qsizetype n = 0;
    while (n < head.size() && head[n] >= u'0' && head[n] <= u'9')
        ++n;
    return head.left(n).toString();
}

QString firstCharacters(const QString& text, qsizetype n)
{
    if (text.size() <= n)
        return text;
    qsizetype cut = n;
    if (cut > 0 && text[cut - 1].isHighSurrogate())
        --cut;
    return text.left(cut);
}

QString limitLength(const QString& text, int n)
{
    if (n <= 0 || n >= 256)
        n = 50;
    return firstCharacters(text, n);
}

QString stripOuterQuotes(QString text)
{
    if (text.size() <= 1)
        return text;
    if (text.startsWith(u'"'))
        text.remove(0, 1);
    if (text.endsWith(u'"'))
        text.chop(1);
    return text;
}

QString formatDecimals(QStringView number, QStringView decimals)
{
    double value = numberOfText(number);
    const int places = std::clamp<int>(int16OfText(decimals), 0, 9);
    if (places < 1)
        value = std::floor(value);
    if (value == std::floor(value))
        return QString::number(value, 'f', 0);
    QString text = QString::number(value, 'f', places);
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return text;
    while (text.size() > point + 2 && text.endsWith(u'0'))
        text.chop(1);
    return text;
}

bool positiveToBool(QStringView value)
{
    return int16OfText(value) > 0;
}

int trueToOne(bool value)
{
    return value ? 1 : 0;
}

int trueToOne(double value)
{
    return value != 0 ? 1 : 0;
}

QString cutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

bool isResetWord(QStringView text)
{
    return text.compare(kReset, Qt::CaseInsensitive) == 0;
}

} // namespace qc
