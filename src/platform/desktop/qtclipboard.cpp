#include "platform/desktop/qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qc {

void QtClipboard::clear()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear(QClipboard::Clipboard);
}

void QtClipboard::putText(const QString& text)
{
    QString desktopText = text;
    desktopText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(desktopText, QClipboard::Clipboard);
}

} // namespace qc
