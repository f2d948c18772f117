#pragma once

#include <QLatin1String>
#include <QStringView>

namespace qc {

// Case-insensitive matching of the program's ASCII keywords and tokens. Only ASCII letters
// fold, so a text never matches through some other script's case mapping.

inline char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// Whether `text` at `at` holds `lowerWord` (given in lower case) in any letter case.
inline bool matchesAsciiAt(QStringView text, qsizetype at, QLatin1String lowerWord)
{
    if (at < 0 || text.size() - at < lowerWord.size())
        return false;
    for (qsizetype i = 0; i < lowerWord.size(); ++i) {
        if (asciiLower(text[at + i].unicode()) != char16_t(lowerWord[i].unicode()))
            return false;
    }
    return true;
}

inline bool startsWithAscii(QStringView text, QLatin1String lowerWord)
{
    return matchesAsciiAt(text, 0, lowerWord);
}

// Position of the next `lowerWord` at or after `from` in any letter case; -1 when none.
inline qsizetype indexOfAscii(QStringView text, QLatin1String lowerWord, qsizetype from = 0)
{
    if (lowerWord.isEmpty())
        return -1;
    const char16_t first = char16_t(lowerWord[0].unicode());
    for (qsizetype at = from; at + lowerWord.size() <= text.size(); ++at) {
        if (asciiLower(text[at].unicode()) == first && matchesAsciiAt(text, at, lowerWord))
            return at;
    }
    return -1;
}

} // namespace qc
