#include "platform/desktop/desktopshellopen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace qc {

void DesktopShellOpen::open(const QString& target)
{
    if (target.isEmpty())
        return;
    const QFileInfo file(target);
    if (file.isFile() && file.isExecutable()) {
        QProcess::startDetached(file.absoluteFilePath(), {});
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile));
}

} // namespace qc
