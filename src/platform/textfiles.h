#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qc {

// Whole text files as lines. Reading accepts UTF-8 (with or without a byte order mark) and
// code page 932, and CR LF, CR or LF as line ends; undecodable bytes become U+FFFD.
// Writing uses code page 932 with CR LF when every character fits, else UTF-8 with a byte
// order mark, and replaces the old file only once the new one is complete.
class TextFiles {
public:
    virtual ~TextFiles() = default;
    // At most maxLines lines; nullopt when the file cannot be opened or read.
    virtual std::optional<QStringList> readLines(const QString& path, int maxLines) = 0;
    // False when the file could not be written; the old file is then left as it was.
    virtual bool writeLines(const QString& path, const QStringList& lines) = 0;
};

} // namespace qc
