#include "script/clocktext.h"

#include "platform/clock.h"

namespace qc {

namespace {

int twoDigits(QStringView text, qsizetype at)
{
    return (text[at].unicode() - u'0') * 10 + (text[at + 1].unicode() - u'0');
}

} // namespace

QString validClockText(QStringView text)
{
    if (text.size() != 8 || text[2] != u':' || text[5] != u':')
        return {};
    for (qsizetype i : {0, 1, 3, 4, 6, 7}) {
        if (text[i] < u'0' || text[i] > u'9')
            return {};
    }
    if (twoDigits(text, 0) > 23 || twoDigits(text, 3) > 59 || twoDigits(text, 6) > 59)
        return {};
    return text.toString();
}

QString minutesSinceClock(QStringView start, const Clock& clock)
{
    const QString valid = validClockText(start);
    if (valid.isEmpty())
        return {};
    const QTime now = clock.localTime();
    int minutes = (now.hour() * 60 + now.minute()) - (twoDigits(valid, 0) * 60 + twoDigits(valid, 3));
    if (minutes < 0)
        minutes += 1440;
    return QString::number(minutes);
}

QString clockText(const Clock& clock)
{
    return clock.localTime().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace qc
