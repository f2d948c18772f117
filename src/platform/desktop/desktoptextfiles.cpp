#include "platform/desktop/desktoptextfiles.h"

#include "platform/desktop/textcodec.h"

#include <QFile>
#include <QSaveFile>

namespace qc {

namespace {

// What is read of a file at the most: a file larger than this is not text the program uses
// (a script keeps at most 2 million characters), and reading on would only cost time and
// memory.
constexpr qint64 kMaxReadBytes = 8 * 1024 * 1024;
constexpr qint64 kChunkBytes = 1024 * 1024;

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
    return file.commit();
}

} // namespace qc
