#pragma once

#include <QString>

namespace qc {

// The program's own faces: its windows and the display's default look ask for these, and the
// desktop's probe maps them to installed faces.
inline const QString kDefaultFontName = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kDefaultFixedFontName = QStringLiteral("ＭＳ ゴシック");

// Which font family the desktop actually uses when asked for a family name.
class FontProbe {
public:
    virtual ~FontProbe() = default;
    virtual QString selectedFamily(const QString& requested) const = 0;
};

} // namespace qc
