#pragma once

#include <QString>
#include <QStringView>

namespace qc {

// Path helpers. "/" separates folders; in names written in scripts "\" does too, so that
// scripts made on other desktops keep working.

// Everything up to and including the last separator; "" when there is none.
QString folderOfPath(QStringView path);

// Everything after the last separator; "" when there is none.
QString fileNameOfPath(QStringView path);

// The file name's text after its last ".", in lower case; "" when there is none.
QString extensionOfPath(QStringView path);

// Whether the path is absolute (starts with "/"). No file-system access.
bool isDrivePath(QStringView path);

// Resolves the first run of ".." steps against the folders before it. A run that would climb
// above the root is left in place.
QString resolveParentSteps(QStringView path);

// The full path of a file named in a script: an absolute name as written, otherwise the name
// joined to the script's folder. "" when it cannot be resolved safely: no name, no absolute
// folder for a relative name, a network path ("\\"), or a ".." step that remains.
QString resolveScriptFile(QStringView folder, QStringView name);

} // namespace qc
