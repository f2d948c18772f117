#include "script/script.h"

#include "platform/fileexistence.h"
#include "platform/messagebox.h"
#include "platform/textfiles.h"
#include "script/paths.h"

namespace qc {

ScriptLocation ScriptLocation::ofPath(const QString& path)
{
    return {path, folderOfPath(path), fileNameOfPath(path)};
}

Script::Script(TextFiles& files, FileExistence& existence, MessageBox& messages)
    : files_(files), existence_(existence), messages_(messages)
{
}

void Script::load()
{
    if (!existence_.fileExists(location_.path))
        return;
    clear();
    const std::optional<QStringList> lines = files_.readLines(location_.path, kMaxScriptLines);
    if (!lines) {
        messages_.show(kScriptReadErrorMessage, kShortProgramName);
        return;
    }
    content_ = parseScript(*lines, location_.fileName);
}

void Script::clear()
{
    content_ = ScriptContent();
    if (onCleared_)
        onCleared_();
}

} // namespace qc
