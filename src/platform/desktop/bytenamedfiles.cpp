#include "platform/desktop/bytenamedfiles.h"

#include "platform/desktop/textcodec.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qc {

namespace {

// A folder beside the file is mirrored up to this many entries: enough for any show's
// pictures and music, and bounded in a download folder of thousands.
constexpr int kMostMirroredEntries = 4000;

std::optional<QByteArray> realPath(const QByteArray& bytes)
{
    char* resolved = ::realpath(bytes.constData(), nullptr);
    if (!resolved)
        return std::nullopt;
    QByteArray path(resolved);
    std::free(resolved);
    return path;
}

} // namespace

QString readableName(const QByteArray& bytes)
{
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : decodeCp932(bytes);
}

ByteNamedFiles::ByteNamedFiles() = default;
ByteNamedFiles::~ByteNamedFiles() = default;

QString ByteNamedFiles::reachable(const QByteArray& bytes)
{
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    const std::optional<QByteArray> path = realPath(bytes);
    struct stat status {};
    if (!path || ::stat(path->constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return QString::fromUtf8(bytes);
    const qsizetype slash = path->lastIndexOf('/');
    const QString mirror = mirrorOf(path->left(std::max<qsizetype>(slash, 1)), path->mid(slash + 1));
    return mirror.isEmpty() ? QString::fromUtf8(bytes) : mirror;
}

QString ByteNamedFiles::mirrorOf(const QByteArray& folder, const QByteArray& name)
{
    if (!links_) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        links_ = std::make_unique<QTemporaryDir>(
            (runtime.isEmpty() ? QDir::tempPath() : runtime) + QStringLiteral("/quillcast-names-XXXXXX"));
        if (!links_->isValid())
            return {};
    }
    const QString mirror = links_->filePath(QString::number(++mirrors_));
    if (!QDir().mkpath(mirror))
        return {};

    const auto link = [&](const QByteArray& entry) {
        const QByteArray target = (folder == "/" ? folder : folder + '/') + entry;
        const QByteArray at = QFile::encodeName(mirror + u'/' + readableName(entry));
        return ::symlink(target.constData(), at.constData()) == 0;
    };
    if (!link(name))
        return {};
    if (DIR* entries = ::opendir(folder.constData())) {
        int mirrored = 0;
        while (const dirent* entry = ::readdir(entries)) {
            const QByteArray entryName(entry->d_name);
            if (entryName == "." || entryName == ".." || entryName == name)
                continue;
            // A later entry whose name reads the same as an earlier one is left out.
            link(entryName);
            if (++mirrored >= kMostMirroredEntries)
                break;
        }
        ::closedir(entries);
    }
    return mirror + u'/' + readableName(name);
}

} // namespace qc
