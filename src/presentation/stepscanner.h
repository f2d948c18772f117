#pragma once

#include "script/scripttables.h"

namespace qc {

// Reads one step from the line after `cursor`, handing each of its lines to `visit`, and leaves
// `cursor` on its last line. Separator lines before the step are passed over; a blank or
// comment line ends the step once it has begun, when more text or a command follows; the step
// also ends after `lineLimit` text lines (0: no limit), counted afresh after "@qc-cls".
// Returns the step's first text or command line, or lineCount() + 1 (with `cursor` there)
// when no step is left. Next's gathering and Back's step table both read steps through this,
// so they always agree on where steps begin.
template <typename Visit>
int scanStep(const ScriptContent& content, int lineLimit, int& cursor, Visit&& visit)
{
    const int count = content.lineCount();
    const auto isSeparator = [](LineKind kind) { return kind == LineKind::Empty || kind == LineKind::Comment; };
    int start = 0;
    int taken = 0;
    for (;;) {
        const int number = ++cursor;
        if (number > count) {
            if (start == 0) {
                cursor = count + 1;
                return count + 1;
            }
            return start;
        }
        const ScriptLine& line = content.line(number);
        if (start == 0 && content.isTextOrCommand(number))
            start = number;
        visit(line);
        if (line.kind == LineKind::Text)
            ++taken;
        else if (line.command == Command::Cls)
            taken = 0;
        const bool separatorEnds = start != 0 && isSeparator(line.kind) && content.isTextOrCommand(number + 1);
        if (separatorEnds || (lineLimit > 0 && taken >= lineLimit))
            return start;
    }
}

} // namespace qc
