#include "platform/desktop/desktopfileexistence.h"

#include <QFileInfo>

namespace qc {

bool DesktopFileExistence::fileExists(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile();
}

} // namespace qc
