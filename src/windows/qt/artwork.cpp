#include "windows/qt/artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace qc {

QPixmap quillcastMark(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x40, 0x90));
    painter.drawEllipse(QRectF(0, 0, s, s));

    // Broadcast waves from the lower left.
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        painter.setPen(QPen(QColor(0xC0, 0xC0, 0xFF), s * 0.05, Qt::SolidLine, Qt::RoundCap));
        const qreal r = s * 0.16 * i;
        painter.drawArc(QRectF(s * 0.22 - r, s * 0.78 - r, 2 * r, 2 * r), 0 * 16, 90 * 16);
    }

    // The quill.
    QPainterPath feather;
    feather.moveTo(s * 0.30, s * 0.72);
    feather.cubicTo(s * 0.45, s * 0.40, s * 0.65, s * 0.22, s * 0.84, s * 0.14);
    feather.cubicTo(s * 0.78, s * 0.36, s * 0.58, s * 0.56, s * 0.30, s * 0.72);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xF4, 0xD0));
    painter.drawPath(feather);
    painter.setPen(QPen(QColor(0xE0, 0x90, 0x30), s * 0.03, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(s * 0.26, s * 0.78), QPointF(s * 0.70, s * 0.30));
    return pixmap;
}

QIcon quillcastIcon()
{
    // One icon for every window: Qt caches the sizes it scales an icon to by the icon, so an
    // icon drawn anew for each window opened would fill that cache a little more every time.
    // Made once and kept to the end (never destroyed after the application object).
    static const QIcon* const icon = [] {
        auto* drawn = new QIcon;
        // The sizes desktops ask for in menus, panels and trays.
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            drawn->addPixmap(quillcastMark(size));
        return drawn;
    }();
    return *icon;
}

} // namespace qc
