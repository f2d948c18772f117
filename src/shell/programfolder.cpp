#include "shell/programfolder.h"

#include <QDir>

#include <QCoreApplication>
#include <QStandardPaths>

namespace qc {

QString withTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString sharedDataFolder(const QString& executableFolder, const std::function<bool(const QString& path)>& fileExists)
{
    const QString beside = withTrailingSeparator(executableFolder);
    if (fileExists(beside + QStringLiteral("help/scripts.html")))
        return beside;
    return withTrailingSeparator(QDir::cleanPath(beside + QStringLiteral("../share/quillcast")));
}

QString chooseProgramFolder(const ProgramFolderSources& sources)
{
    if (!sources.homeVariable.isEmpty())
        return withTrailingSeparator(sources.homeVariable);
    const QString portable = withTrailingSeparator(sources.executableFolder);
    if (!portable.isEmpty() && sources.fileExists(portable + kSettingsFileName))
        return portable;
    return withTrailingSeparator(sources.configHome) + QStringLiteral("quillcast/");
}

QString currentProgramFolder(const std::function<bool(const QString& path)>& fileExists)
{
    return chooseProgramFolder({qEnvironmentVariable("QUILLCAST_HOME"), QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                                fileExists});
}

} // namespace qc
