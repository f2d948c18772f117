#pragma once

#include <QString>
#include <QStringList>

namespace qc {

class Script;

inline constexpr int kMaxDroppedFiles = 20;

// The first of the dropped files (at most 20 are looked at) whose name ends in "." plus the
// extension, compared in lower case; "" when none does or the extension is over 4 characters.
QString pickDroppedFileByExtension(const QStringList& droppedFiles, const QString& extension);

// The window that a dropped script is loaded for: it steps aside while the file loads and
// comes back showing the new script.
class ScriptLoadView {
public:
    virtual ~ScriptLoadView() = default;
    // Locks the tray icon and hides the window.
    virtual void beginScriptLoad() = 0;
    // Shows the line total and file name, shows the window with the focus on its show button,
    // and unlocks the tray icon.
    virtual void endScriptLoad(int lineCount, const QString& fileName) = 0;
};

// Makes a dropped file the current script and loads it; the next file dialog opens in its
// folder.
void openDroppedScript(const QString& droppedScript, Script& script, QString& initDir,
                       ScriptLoadView& view);

} // namespace qc
