#include "presentation/qtbanners.h"

#include "platform/fontprobe.h"
#include "windows/qt/artwork.h"

#include <QLinearGradient>
#include <QPainter>

namespace qc {

namespace {

QPixmap textBanner(const QString& title, const QString& line, const QColor& from, const QColor& to)
{
    QPixmap pixmap(300, 60);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 300, 0);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(pixmap.rect(), gradient);
    painter.drawPixmap(8, 8, quillcastMark(44));
    painter.setPen(Qt::white);
    painter.setFont(QFont(kDefaultFontName, 13, QFont::Bold));
    painter.drawText(QRect(62, 6, 232, 26), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(QFont(kDefaultFontName, 9));
    painter.drawText(QRect(62, 32, 232, 22), Qt::AlignLeft | Qt::AlignVCenter, line);
    return pixmap;
}

} // namespace

QPixmap scriptGuideBanner()
{
    return textBanner(QStringLiteral("Quillcast 台本ガイド"), QStringLiteral("Writing a script"),
                      QColor(0x30, 0x40, 0x90), QColor(0x60, 0x70, 0xC0));
}

QPixmap previewGuideBanner()
{
    return textBanner(QStringLiteral("台本のプレビュー"), QStringLiteral("Previewing a script"),
                      QColor(0x20, 0x60, 0x60), QColor(0x40, 0x90, 0x90));
}

QPixmap markBanner()
{
    QPixmap pixmap(60, 60);
    pixmap.fill(QColor(0xC0, 0xC0, 0xFF));
    QPainter painter(&pixmap);
    painter.drawPixmap(4, 4, quillcastMark(52));
    return pixmap;
}

} // namespace qc
