#include "windows/placedwindowview.h"

#include "script/numbers.h"
#include "script/screengeometry.h"

namespace qc {

WindowState windowStateOfText(const QString& text)
{
    try {
        switch (int16OfText(text)) {
        case 1: return WindowState::Minimized;
        case 2: return WindowState::Maximized;
        default: return WindowState::Normal;
        }
    } catch (const NumberOverflow&) {
        return WindowState::Normal;
    }
}

WindowRect keptOnScreen(WindowRect rect, const Screen& screen)
{
    rect.left = int(numberOfText(keepLeftOnScreen(QString::number(rect.left), QString::number(rect.width), screen)));
    rect.top = int(numberOfText(keepTopOnScreen(QString::number(rect.top), QString::number(rect.height), screen)));
    return rect;
}

void keepOnScreen(PlacedWindowView& view, const Screen& screen)
{
    const WindowRect place = keptOnScreen(view.rect(), screen);
    view.moveTo(place.left, place.top);
}

} // namespace qc
