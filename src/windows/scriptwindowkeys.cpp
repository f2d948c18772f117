#include "windows/scriptwindowkeys.h"

#include "windows/windowflags.h"
#include "windows/windowmanager.h"

namespace qc {

bool handleScriptWindowKey(QChar key, WindowManager& windows, WindowFlags& flags)
{
    if (key == u'/' || key == u'c') {
        windows.restoreDisplayWindow();
        windows.restoreController();
        return true;
    }
    if (key != QChar(27))
        return false;
    flags.quitting = true;
    windows.unloadScriptWindows();
    windows.closeDisplayWindow();
    windows.closeController();
    windows.closeMainWindow();
    return true;
}

} // namespace qc
