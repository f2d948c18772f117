#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qc {

// The byte level of text files: line splitting, the UTF-8 / code page 932 choice on reading,
// and the code page 932 or UTF-8-with-mark choice on writing.

// Lines split at CR LF, a lone CR or a lone LF; a line end at the very end adds no empty line.
// At most maxLines lines.
QList<QByteArrayView> splitRawLines(QByteArrayView bytes, int maxLines);

// The multi-byte sequences that are valid UTF-8, and the bytes that belong to none.
struct Utf8Census {
    qsizetype sequences = 0;
    qsizetype strayBytes = 0;
};
Utf8Census utf8Census(QByteArrayView bytes);

bool isValidUtf8(QByteArrayView bytes);

// UTF-8 with at most a few stray bytes: at least 99 % of what is not ASCII is valid UTF-8.
bool readsAsUtf8(QByteArrayView bytes);

// Code page 932 (Shift-JIS, Windows variant) to text; undecodable bytes become U+FFFD.
QString decodeCp932(QByteArrayView bytes);

// Code page 932 bytes of a text; nullopt when a character has no code page 932 form.
std::optional<QByteArray> encodeCp932(const QString& text);

// The lines of a text file: UTF-16 or UTF-8 when it starts with the form's byte order mark
// (dropped); else UTF-8 when it reads as UTF-8, stray bytes becoming U+FFFD; else code page
// 932.
QStringList decodeTextLines(QByteArrayView bytes, int maxLines);

// A text file of lines each ended by CR LF: code page 932 when every character fits and the
// file reads back to the same lines, else UTF-8 with a byte order mark, so that nothing is
// lost or changed.
QByteArray encodeTextLines(const QStringList& lines);

} // namespace qc
