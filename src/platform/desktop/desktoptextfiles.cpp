#include "platform/desktop/desktoptextfiles.h"

#include "platform/desktop/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace qc {

namespace {

// What is read of a file at the most: a file larger than this is not text the program uses
// (a script keeps at most 2 million characters), and reading on would only cost time and
// memory.
constexpr qint64 kMaxReadBytes = 8 * 1024 * 1024;
constexpr qint64 kChunkBytes = 1024 * 1024;

// Where the file system cannot make unnamed files, a save goes through a named temporary file
// "<name>.XXXXXX" beside the file; a save cut short by a kill leaves it there. The program runs
// once per folder, so any such file is from an earlier run.
void removeLeftoverSaves(const QString& path)
{
    const QFileInfo saved(path);
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(saved.fileName())));
    QDir folder = saved.absoluteDir();
    for (const QString& name : folder.entryList({saved.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
        if (leftover.match(name).hasMatch())
            folder.remove(name);
    }
}

} // namespace

std::optional<QStringList> DesktopTextFiles::readLines(const QString& path, int maxLines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;

    // Read only as far as the lines that are kept: CR and LF bytes counted twice over cover
    // maxLines line ends whatever their form.
    QByteArray bytes;
    qint64 lineEndBytes = 0;
    while (bytes.size() < kMaxReadBytes && lineEndBytes <= 2 * qint64(maxLines)) {
        const QByteArray chunk = file.read(std::min(kChunkBytes, kMaxReadBytes - bytes.size()));
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return std::nullopt;
            break;
        }
        lineEndBytes += chunk.count('\n') + chunk.count('\r');
        bytes += chunk;
    }
    return decodeTextLines(bytes, maxLines);
}

bool DesktopTextFiles::writeLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = encodeTextLines(lines);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    removeLeftoverSaves(path);
    return true;
}

} // namespace qc
