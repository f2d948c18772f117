#pragma once

#include "settings/settings.h"

#include <QString>

namespace qc {

class FixedWindowView;
class PlacedWindowView;
class Screen;
struct WindowFlags;

// Where an operator window stands between runs of the program, kept in the settings under its
// state, left and top keys.
class RememberedPlace {
public:
    struct Keys {
        SettingKey state;
        SettingKey left;
        SettingKey top;
    };

    RememberedPlace(Keys keys, const Screen& screen) : keys_(keys), screen_(screen) {}

    // Puts the window at its recorded place, pulled onto the screen, in its recorded state.
    void open(PlacedWindowView& view, const Settings& settings);
    // Records the window's state (minimised while it hides in the tray) and its place, and
    // hides it. A window in the very corner was most likely never really placed, and where
    // places cannot be read none is known: it keeps the place it opened at.
    void recordOnClose(PlacedWindowView& view, Settings& settings, const WindowFlags& flags);

private:
    Keys keys_;
    const Screen& screen_;
    QString openedLeft_;
    QString openedTop_;
};

// A minimised operator window hides in the tray when the tray setting is on and the tray icon
// is there to bring it back; elsewhere it stays minimised, so it is never lost.
void hideInTrayWhenMinimised(PlacedWindowView& view, const Settings& settings, WindowFlags& flags);

// A window of fixed size after a change of state or size: maximised it goes back to normal,
// normal it keeps its size, minimised it hides in the tray where that is possible.
void fixedWindowResized(FixedWindowView& view, const Settings& settings, WindowFlags& flags);

} // namespace qc
