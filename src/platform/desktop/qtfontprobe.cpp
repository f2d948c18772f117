#include "platform/desktop/qtfontprobe.h"

#include <QFont>
#include <QFontInfo>
#include <QStringList>

namespace qc {

QtFontProbe::QtFontProbe()
{
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList fixed{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")};
    QFont::insertSubstitutions(kDefaultFontName, proportional);
    QFont::insertSubstitutions(kDefaultFixedFontName, fixed);
}

QString QtFontProbe::selectedFamily(const QString& requested) const
{
    return QFontInfo(QFont(requested)).family();
}

} // namespace qc
