#include "script/colors.h"

#include "script/numbers.h"

namespace qc {

namespace {

QString padLeft(QString text, qsizetype width)
{
    if (text.size() < width)
        text.prepend(QString(width - text.size(), u'0'));
    return text;
}

bool isUpperHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

} // namespace

QString normalizeColorText(QStringView text, ColorKind kind)
{
    const QString fallback = kind == ColorKind::Background ? QStringLiteral("FFFFFF")
                                                           : QStringLiteral("000000");
    if (text.isEmpty())
        return fallback;
    // Upper case for ASCII letters only: no other character may turn into a hex digit.
    QString digits = padLeft(text.left(6).toString(), 6);
    for (QChar& c : digits) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    for (QChar c : std::as_const(digits)) {
        if (!isUpperHexDigit(c))
            return fallback;
    }
    return digits;
}

QString rgbToBgrText(QStringView text)
{
    const QString rgb = padLeft(text.toString(), 6).right(6);
    return rgb.mid(4, 2) + rgb.mid(2, 2) + rgb.mid(0, 2);
}

quint32 colorNumberOfText(QStringView rgb)
{
    return static_cast<quint32>(numberOfText(QStringLiteral("&H") + rgbToBgrText(rgb) + QStringLiteral("&")));
}

} // namespace qc
