#pragma once

#include "platform/clipboard.h"

namespace qc {

// The desktop clipboard. Line breaks go out in the desktop's own form (LF).
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void putText(const QString& text) override;
};

} // namespace qc
