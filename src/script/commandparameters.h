#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace qc {

// The parameters of a command line: key="value" tokens separated by spaces. A quoted
// stretch keeps its spaces inside one token; a token without key="value" form is a key with
// an empty value. Keys are lower case; values keep their case.
struct CommandParameters {
    QStringList tokens;
    QStringList keys;
    QStringList values;

    qsizetype count() const { return tokens.size(); }
    // The token at a 1-based slot, "" beyond the last.
    QString token(qsizetype slot) const { return tokens.value(slot - 1); }
};

inline constexpr int kMaxCommandTokens = 20;

// Splits a command line into at most 20 tokens; with dropFirst the first (the keyword) is
// removed afterwards.
CommandParameters parseCommandParameters(QStringView commandText, bool dropFirst);

} // namespace qc
