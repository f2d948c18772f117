#include "script/commandparameters.h"

namespace qc {

namespace {

qsizetype indexOrEnd(QStringView text, QChar c, qsizetype from)
{
    const qsizetype at = text.indexOf(c, from);
    return at < 0 ? text.size() : at;
}

QStringList splitTokens(QStringView text)
{
    QStringList tokens;
    qsizetype start = 0;
    while (start < text.size() && tokens.size() < kMaxCommandTokens) {
        const qsizetype space = indexOrEnd(text, u' ', start);
        const qsizetype quote = indexOrEnd(text, u'"', start);
        qsizetype end = space;
        if (quote < space) {
            const qsizetype closing = indexOrEnd(text, u'"', quote + 1);
            end = indexOrEnd(text, u' ', closing);
        }
        if (end > start)
            tokens.append(text.mid(start, end - start).toString());
        start = end + 1;
    }
    return tokens;
}

} // namespace

CommandParameters parseCommandParameters(QStringView commandText, bool dropFirst)
{
    CommandParameters params;
    params.tokens = splitTokens(commandText);
    if (dropFirst && !params.tokens.isEmpty())
        params.tokens.removeFirst();
    for (const QString& token : params.tokens) {
        const qsizetype pair = token.indexOf(QLatin1String("=\""));
        if (pair < 0) {
            params.keys.append(token.toLower());
            params.values.append(QString());
            continue;
        }
        const qsizetype valueStart = pair + 2;
        const qsizetype valueEnd = indexOrEnd(token, u'"', valueStart);
        params.keys.append(token.left(pair).toLower());
        params.values.append(token.mid(valueStart, valueEnd - valueStart));
    }
    return params;
}

} // namespace qc
