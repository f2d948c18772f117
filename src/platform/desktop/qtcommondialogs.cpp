#include "platform/desktop/qtcommondialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QStringList>

namespace qc {

QString qtNameFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';');
        // "*.*" meant every file; here it would pass only names with a dot, and most
        // programs on this desktop have none.
        for (QString& pattern : patterns) {
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<QString> QtCommonDialogs::openFile(const QString& filter, const QString& startFolder)
{
    const QString chosen = QFileDialog::getOpenFileName(nullptr, QString(), startFolder, qtNameFilter(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<FontChoice> QtCommonDialogs::chooseFont(const FontChoice& initial)
{
    QFont font(initial.family);
    if (initial.pointSize > 0)
        font.setPointSizeF(initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font);
    if (!ok)
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

std::optional<QString> QtCommonDialogs::chooseColor()
{
    const QColor color = QColorDialog::getColor();
    if (!color.isValid())
        return std::nullopt;
    return color.name(QColor::HexRgb).mid(1).toUpper();
}

} // namespace qc
