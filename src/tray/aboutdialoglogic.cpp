#include "tray/aboutdialoglogic.h"

#include "platform/screen.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"

#include <cmath>

namespace qc {

AboutDialogLogic::AboutDialogLogic(AboutDialogView& view, WindowManager& windows, WindowFlags& flags, const Screen& screen)
    : view_(view), windows_(windows), flags_(flags), screen_(screen)
{
}

void AboutDialogLogic::onLoad()
{
    if (flags_.firstRun)
        return;
    view_.setWindowState(WindowState::Normal);
    const WindowRect rect = view_.rect();
    view_.moveTo(int(std::floor((screen_.widthTwips() - rect.width) * 0.5)),
                 int(std::floor((screen_.heightTwips() - rect.height) * 0.5)));
}

void AboutDialogLogic::onOk()
{
    windows_.closeAboutDialog();
}

bool AboutDialogLogic::onKeyPress(QChar key)
{
    if (key != QChar(27))
        return false;
    flags_.quitting = true;
    windows_.closeAboutDialog();
    windows_.closeMainWindow();
    return true;
}

void AboutDialogLogic::onQueryUnload()
{
    if (flags_.firstRun)
        return;
    view_.setWindowState(WindowState::Normal);
    view_.hideWindow();
}

void AboutDialogLogic::onUnload()
{
    if (flags_.firstRun || flags_.quitting)
        return;
    windows_.restoreMainWindow();
}

} // namespace qc
