#pragma once

#include "platform/tray.h"

namespace qc {

class Settings;
class TaskTimers;
class WindowManager;
struct WindowFlags;

inline constexpr int kTrayLeftButtonDown = 513;
inline constexpr int kTrayRightButtonDown = 516;

// What the tray icon's clicks and menu do: a left click or "表示" brings back the front window
// hidden in the tray; a right click offers the menu while a window is hidden there; "終了"
// closes the front window and the program, which record their places as they go. Nothing
// acts while the main window is away for a dialog or a load.
class TrayMessages {
public:
    TrayMessages(Tray& tray, const Settings& settings, WindowManager& windows, WindowFlags& flags, TaskTimers& timers);

    void onMessage(int message);
    void onMenu(TrayMenuEntry entry);

    void restoreFromTray();
    void quitFromTray();

private:
    bool simpleController() const;

    Tray& tray_;
    const Settings& settings_;
    WindowManager& windows_;
    WindowFlags& flags_;
    TaskTimers& timers_;
};

} // namespace qc
