#pragma once

#include <QStringList>

class QTextStream;

namespace qc::preview {

// quillcast --preview SCRIPT [--set KEY=VALUE]... [--actions LIST]
// Runs the script through the real stepping engine on a quiet desktop and reports, as JSON
// lines, what each press would show and copy. Returns the exit status.
int runPreview(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace qc::preview
