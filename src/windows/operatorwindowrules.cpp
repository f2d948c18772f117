#include "windows/operatorwindowrules.h"

#include "platform/screen.h"
#include "script/numbers.h"
#include "windows/placedwindowview.h"
#include "windows/windowflags.h"

namespace qc {

void RememberedPlace::open(PlacedWindowView& view, const Settings& settings)
{
    openedLeft_ = settings.text(keys_.left);
    openedTop_ = settings.text(keys_.top);
    view.moveTo(int(numberOfText(openedLeft_)), int(numberOfText(openedTop_)));
    keepOnScreen(view, screen_);
    view.setWindowState(windowStateOfText(settings.text(keys_.state)));
}

void RememberedPlace::recordOnClose(PlacedWindowView& view, Settings& settings, const WindowFlags& flags)
{
    settings.setText(keys_.state,
                     flags.hiddenToTray ? QStringLiteral("1") : QString::number(int(view.windowState())));
    view.setWindowState(WindowState::Normal);
    const WindowRect place = keptOnScreen(view.rect(), screen_);
    // Where places cannot be read, the window keeps the place it was given.
    const bool unknown = !screen_.placesWork() || (place.left < 1 && place.top < 1);
    settings.setText(keys_.left, unknown ? openedLeft_ : QString::number(place.left));
    settings.setText(keys_.top, unknown ? openedTop_ : QString::number(place.top));
    view.hideWindow();
}

void hideInTrayWhenMinimised(PlacedWindowView& view, const Settings& settings, WindowFlags& flags)
{
    if (view.windowState() != WindowState::Minimized)
        return;
    if (settings.integer(SettingKey::TaskUse) == 1 && flags.trayIconAdded) {
        flags.hiddenToTray = true;
        view.hideWindow();
    }
}

void fixedWindowResized(FixedWindowView& view, const Settings& settings, WindowFlags& flags)
{
    if (view.windowState() == WindowState::Maximized)
        view.setWindowState(WindowState::Normal);
    if (view.windowState() == WindowState::Normal)
        view.keepFixedSize();
    else
        hideInTrayWhenMinimised(view, settings, flags);
}

} // namespace qc
