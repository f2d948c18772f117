#include "platform/desktop/lockfilesingleinstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace qc {

LockFileSingleInstance::~LockFileSingleInstance()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool LockFileSingleInstance::acquire(const QString& programFolder)
{
    QDir().mkpath(programFolder);
    const QByteArray path = QFile::encodeName(QDir(programFolder).filePath(QStringLiteral(".quillcast.lock")));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;  // no lock can be made here (a read-only folder): do not refuse to start
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !heldElsewhere;
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    return true;
}

} // namespace qc
