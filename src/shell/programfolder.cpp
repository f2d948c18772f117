#include "shell/programfolder.h"

namespace qc {

QString withTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
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

} // namespace qc
