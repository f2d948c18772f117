#pragma once

#include <QStringList>

// A show-like script for the benchmarks: blocks of text separated by blank lines, with
// comments, display commands and clip tokens.
inline QStringList makeShowScript(int count)
{
    QStringList lines;
    for (int i = 1; lines.size() < count; ++i) {
        lines << QStringLiteral("'--- part %1").arg(i)
              << QStringLiteral("@qc-set forecolor=\"FF%1\" fontsize=\"24\"").arg(i % 10000, 4, 10, QChar(u'0'))
              << QStringLiteral("皆さんこんばんは、第%1部です。@clpspc@よろしくお願いします。").arg(i)
              << QStringLiteral("Tonight's topic@ent@number %1 @clpsw@(note)@clpsw@").arg(i)
              << QString();
    }
    return lines.mid(0, count);
}
