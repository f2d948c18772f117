#include "tray/traymessages.h"

#include "settings/settings.h"
#include "tray/tasktimers.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"

namespace qc {

TrayMessages::TrayMessages(Tray& tray, const Settings& settings, WindowManager& windows, WindowFlags& flags,
                           TaskTimers& timers)
    : tray_(tray), settings_(settings), windows_(windows), flags_(flags), timers_(timers)
{
}

bool TrayMessages::simpleController() const
{
    return settings_.integer(SettingKey::ShowTxtSimpleUse) > 0;
}

void TrayMessages::onMessage(int message)
{
    if (flags_.trayLocked)
        return;
    if (message == kTrayLeftButtonDown)
        restoreFromTray();
    else if (message == kTrayRightButtonDown && flags_.hiddenToTray)
        tray_.showMenu();
}

void TrayMessages::onMenu(TrayMenuEntry entry)
{
    if (entry == TrayMenuEntry::Show)
        restoreFromTray();
    else
        quitFromTray();
}

void TrayMessages::restoreFromTray()
{
    timers_.shortenWait();
    switch (windows_.frontWindow()) {
    case FrontWindow::Main:
        windows_.restoreMainWindow();
        break;
    case FrontWindow::Controller:
        if (simpleController())
            windows_.restoreSimpleController();
        else
            windows_.restoreFullController();
        break;
    case FrontWindow::SettingsDialog:
        windows_.restoreSettingsDialog();
        break;
    case FrontWindow::None:
        return;
    }
    flags_.hiddenToTray = false;
}

// The window hidden in the tray still counts as hidden while the windows record their
// states, so it is remembered minimised and the next start opens the main window so.
void TrayMessages::quitFromTray()
{
    flags_.quitting = true;
    switch (windows_.frontWindow()) {
    case FrontWindow::Main:
        windows_.restoreMainWindow();
        break;
    case FrontWindow::Controller:
        if (simpleController()) {
            windows_.restoreSimpleController();
            windows_.closeSimpleController();
        } else {
            windows_.restoreFullController();
            windows_.closeController();
        }
        break;
    case FrontWindow::SettingsDialog:
        windows_.restoreSettingsDialog();
        windows_.closeSettingsDialog();
        break;
    case FrontWindow::None:
        return;
    }
    windows_.closeMainWindow();
}

} // namespace qc
