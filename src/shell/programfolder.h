#pragma once

#include <QString>

#include <functional>

namespace qc {

// Where the program folder can come from.
struct ProgramFolderSources {
    QString homeVariable;     // QUILLCAST_HOME, "" when unset
    QString executableFolder; // the folder of the running program
    QString configHome;       // $XDG_CONFIG_HOME, or ~/.config
    std::function<bool(const QString& path)> fileExists;
};

// The folder of QCST.INI and the default QCST.TXT, ending in "/": QUILLCAST_HOME when set;
// else the executable's folder when it holds a QCST.INI (a portable copy); else the user's
// configuration folder.
QString chooseProgramFolder(const ProgramFolderSources& sources);

// The program folder of this running program, from its environment.
QString currentProgramFolder(const std::function<bool(const QString& path)>& fileExists);

// A folder text that ends in exactly one "/" ("" stays "").
QString withTrailingSeparator(const QString& folder);

// The folder of the program's own read-only files (help pages, demo material), ending in "/":
// beside the executable in a build or a portable copy (where "help/" is), else
// "share/quillcast/" under the installation prefix the executable's "bin/" belongs to.
QString sharedDataFolder(const QString& executableFolder, const std::function<bool(const QString& path)>& fileExists);

inline const QString kSettingsFileName = QStringLiteral("QCST.INI");
inline const QString kDefaultScriptFileName = QStringLiteral("QCST.TXT");

} // namespace qc
