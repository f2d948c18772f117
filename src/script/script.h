#pragma once

#include "script/scripttables.h"

#include <QString>

#include <functional>

namespace qc {

class FileExistence;
class MessageBox;
class TextFiles;

// Where the current script comes from: its full path, its folder (ending in a separator) and
// its file name; all "" when there is none.
struct ScriptLocation {
    QString path;
    QString folder;
    QString fileName;

    static ScriptLocation ofPath(const QString& path);
};

inline const QString kShortProgramName = QStringLiteral("QCST");
inline const QString kScriptReadErrorMessage = QStringLiteral("データファイル読み込みエラーです。");

// The current script: where it comes from and its tables. The tables change only by load()
// and clear().
class Script {
public:
    Script(TextFiles& files, FileExistence& existence, MessageBox& messages);

    const ScriptLocation& location() const { return location_; }
    void setLocation(ScriptLocation location) { location_ = std::move(location); }

    const ScriptContent& content() const { return content_; }

    // Reads the file at location().path. A file that does not exist changes nothing; one that
    // cannot be read leaves no script and tells the operator.
    void load();
    // Forgets the tables (the location stays).
    void clear();

    // Runs whenever the tables are emptied, for state that is only valid for one script.
    void setClearedHandler(std::function<void()> handler) { onCleared_ = std::move(handler); }

private:
    TextFiles& files_;
    FileExistence& existence_;
    MessageBox& messages_;
    ScriptLocation location_;
    ScriptContent content_;
    std::function<void()> onCleared_;
};

} // namespace qc
