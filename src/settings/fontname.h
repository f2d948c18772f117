#pragma once

#include "platform/fontprobe.h"

#include <QString>

namespace qc {

// The face the desktop will really use for a font name: a name of 1 to 50 characters is asked
// for as written, any other the default face.
QString checkFontName(const QString& name, const FontProbe& probe);

} // namespace qc
