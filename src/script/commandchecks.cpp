#include "script/commandchecks.h"

#include "script/numbers.h"
#include "script/texthelpers.h"

namespace qc {

QString checkedInt(const QString& value, QStringView min, QStringView max, const QString& fallback)
{
    try {
        return clampIntText(value, min, max, fallback);
    } catch (const NumberOverflow&) {
        return fallback;
    }
}

QString checkedReal(const QString& value, QStringView min, QStringView max, const QString& fallback)
{
    try {
        return clampRealText(value, min, max, fallback);
    } catch (const NumberOverflow&) {
        return fallback;
    }
}

QString checkedShow(const QString& value)
{
    QString show = value.toLower();
    if (show == u"off")
        show = QStringLiteral("0");
    else if (show == u"on")
        show = QStringLiteral("1");
    else if (show == u"hide")
        show = QStringLiteral("2");
    return checkedInt(show, u"0", u"2", QStringLiteral("0"));
}

int int16OrZero(QStringView value)
{
    try {
        return int16OfText(value);
    } catch (const NumberOverflow&) {
        return 0;
    }
}

} // namespace qc
