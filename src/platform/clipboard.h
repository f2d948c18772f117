#pragma once

#include <QString>

namespace qc {

// The desktop clipboard. Neither call may block a step: a busy clipboard is skipped.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Replaces the clipboard's content with plain text. Line breaks arrive as CR LF and are
    // handed to the desktop in its own form.
    virtual void putText(const QString& text) = 0;
};

} // namespace qc
