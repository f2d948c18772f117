#pragma once

#include "platform/fontprobe.h"

namespace qc {

// Asks fontconfig, through Qt, which family it really uses. The original program's default
// Japanese faces are mapped to installed faces of the same metrics, so the default look is
// Japanese text rather than a Latin face with fallback glyphs.
class QtFontProbe : public FontProbe {
public:
    QtFontProbe();
    QString selectedFamily(const QString& requested) const override;
};

} // namespace qc
