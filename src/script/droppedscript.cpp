#include "script/droppedscript.h"

#include "script/script.h"

namespace qc {

QString pickDroppedFileByExtension(const QStringList& droppedFiles, const QString& extension)
{
    const QString lower = extension.toLower();
    if (lower.isEmpty() || lower.size() > 4)
        return {};
    const QString ending = u'.' + lower;
    for (const QString& file : droppedFiles.mid(0, kMaxDroppedFiles)) {
        if (file.right(ending.size()).toLower() == ending)
            return file;
    }
    return {};
}

void openDroppedScript(const QString& droppedScript, Script& script, QString& initDir,
                       ScriptLoadView& view)
{
    view.beginScriptLoad();
    script.setLocation(ScriptLocation::ofPath(droppedScript));
    if (!script.location().folder.isEmpty())
        initDir = script.location().folder;
    script.load();
    view.endScriptLoad(script.content().lineCount(), script.location().fileName);
}

} // namespace qc
