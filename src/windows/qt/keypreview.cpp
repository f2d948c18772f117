#include "windows/qt/keypreview.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

namespace qc {

namespace {

void watchTree(QObject& object, QObject& filter)
{
    object.installEventFilter(&filter);
    for (QObject* child : object.children())
        watchTree(*child, filter);
}

} // namespace

KeyPreview::KeyPreview(QWidget& window, std::function<bool(QChar)> handler)
    : QObject(&window), handler_(std::move(handler))
{
    watchTree(window, *this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded)
        watchTree(*static_cast<QChildEvent*>(event)->child(), *this);
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const QChar key = keyCharacter(*static_cast<QKeyEvent*>(event));
    return !key.isNull() && handler_(key);
}

QChar keyCharacter(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Escape)
        return QChar(27);
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return QChar(13);
    const QString text = event.text();
    return text.isEmpty() ? QChar() : text.front();
}

} // namespace qc
