#include "settings/fontname.h"

#include "platform/fontprobe.h"

namespace qc {

QString checkFontName(const QString& name, const FontProbe& probe)
{
    const QString requested = (name.size() >= 1 && name.size() <= 50) ? name : kDefaultFontName;
    return probe.selectedFamily(requested);
}

} // namespace qc
