#pragma once

#include "tray/trayicon.h"
#include "windows/factorywindowloader.h"

namespace qc {

// frmTk00, never shown: loading it puts the icon in the tray, unloading it takes it away.
class TrayWindow : public FacelessWindow {
public:
    explicit TrayWindow(TrayIcon& icon) : icon_(icon) { icon_.add(); }
    void runCloseHandlers() override { icon_.remove(); }

private:
    TrayIcon& icon_;
};

} // namespace qc
