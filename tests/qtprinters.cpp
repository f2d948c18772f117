#include "qtprinters.h"

QT_BEGIN_NAMESPACE

void PrintTo(const QString& text, std::ostream* os)
{
    QString shown = text;
    shown.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    *os << '"' << shown.toStdString() << '"';
}

void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '[';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i > 0)
            *os << ", ";
        PrintTo(texts[i], os);
    }
    *os << ']';
}

QT_END_NAMESPACE
