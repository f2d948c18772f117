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
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
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
    QFont font(initial.family, initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font);
    if (!ok)
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSize(), chosen.bold(), chosen.italic()};
}

std::optional<QString> QtCommonDialogs::chooseColor()
{
    const QColor color = QColorDialog::getColor();
    if (!color.isValid())
        return std::nullopt;
    return color.name(QColor::HexRgb).mid(1).toUpper();
}

} // namespace qc
