#include "script/script.h"

#include "platform/fileexistence.h"
#include "platform/messagebox.h"
#include "platform/textfiles.h"
#include "script/paths.h"
#include "script/scripttables.h"
#include "script/texthelpers.h"

namespace qc {

namespace {

// The lines that fit in the script's character limit; a line that would pass it is cut there,
// and the lines after it are dropped.
QStringList withinCharacterLimit(QStringList lines)
{
    qsizetype total = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype room = kMaxScriptCharacters - total;
        if (lines[i].size() > room) {
            lines[i] = firstCharacters(lines[i], room);
            lines.resize(room > 0 ? i + 1 : i);
            break;
        }
        total += lines[i].size();
    }
    return lines;
}

} // namespace

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
    content_ = parseScript(withinCharacterLimit(*lines), location_.fileName);
}

void Script::clear()
{
    content_ = ScriptContent();
    if (onCleared_)
        onCleared_();
}

} // namespace qc
