#include "tray/trayicon.h"

#include "platform/tray.h"
#include "windows/windowflags.h"

namespace qc {

void TrayIcon::add()
{
    if (flags_.trayIconAdded || !tray_.isAvailable())
        return;
    tray_.add(kTrayTip);
    flags_.trayIconAdded = true;
}

void TrayIcon::remove()
{
    if (!flags_.trayIconAdded)
        return;
    tray_.remove();
    flags_.trayIconAdded = false;
}

void TrayIcon::refresh()
{
    if (flags_.trayIconAdded)
        tray_.modify(kTrayTip);
}

} // namespace qc
