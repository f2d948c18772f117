#pragma once

#include <QString>
#include <QStringView>

namespace qc {

enum class ColorKind {
    Text = 0,       // default black
    Background = 1, // default white
};

// Six upper-case hexadecimal digits RRGGBB: the first six characters, padded on the left with
// zeros; the kind's default when empty or not hexadecimal.
QString normalizeColorText(QStringView text, ColorKind kind);

// RRGGBB reordered as BBGGRR (padded on the left to six digits, the last six kept).
QString rgbToBgrText(QStringView text);

// The platform colour number 0x00BBGGRR of an RRGGBB text.
quint32 colorNumberOfText(QStringView rgb);

} // namespace qc
