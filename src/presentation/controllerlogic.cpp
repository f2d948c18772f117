#include "presentation/controllerlogic.h"

#include "presentation/steppingengine.h"
#include "settings/settings.h"
#include "windows/operatorwindowrules.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windownames.h"

namespace qc {

namespace {

using K = SettingKey;


} // namespace

ControllerLogic::ControllerLogic(ControllerView& view, ControllerKind kind, Parts parts, const Screen& screen)
    : view_(view), kind_(kind), parts_(parts), screen_(screen),
      place_({K::Win01State, K::Win01Left, K::Win01Top}, screen)
{
}

const QString& ControllerLogic::name() const
{
    return kind_ == ControllerKind::Full ? windowname::kController : windowname::kSimpleController;
}

void ControllerLogic::closeThisController()
{
    if (kind_ == ControllerKind::Full)
        parts_.windows.closeController();
    else
        parts_.windows.closeSimpleController();
}

void ControllerLogic::showClipSwitch(int clipSwitch)
{
    if (kind_ == ControllerKind::Full)
        view_.setClipChecked(clipSwitch > 0);
}

void ControllerLogic::onLoad()
{
    if (parts_.flags.firstRun)
        return;
    place_.open(view_, parts_.settings);
    parts_.engine.startRun(*this);
}

void ControllerLogic::onResize()
{
    if (parts_.flags.firstRun)
        return;
    WindowManager& windows = parts_.windows;
    if (view_.windowState() == WindowState::Maximized)
        view_.setWindowState(WindowState::Normal);
    if (view_.windowState() == WindowState::Normal) {
        windows.resumeMusicPanel();
        windows.resumeSubDisplays();
        windows.restoreDisplayWindow();
        view_.showWindow();
        view_.keepFixedSize();
        return;
    }
    // Minimised: every presentation window goes off the screen with the controller.
    windows.suspendMusicPanel();
    windows.suspendSubDisplays();
    windows.hideDisplayWindow();
    hideInTrayWhenMinimised(view_, parts_.settings, parts_.flags);
}

void ControllerLogic::onQueryUnload()
{
    if (parts_.flags.firstRun)
        return;
    // Closing a minimised controller (from the task bar) quits the program.
    if (view_.windowState() == WindowState::Minimized)
        parts_.flags.quitting = true;
    place_.recordOnClose(view_, parts_.settings, parts_.flags);
}

void ControllerLogic::onUnload()
{
    if (parts_.flags.firstRun)
        return;
    parts_.engine.endRun();
    WindowManager& windows = parts_.windows;
    windows.unloadScriptWindows();
    windows.closeDisplayWindow();
    if (parts_.flags.quitting)
        windows.closeMainWindow();
    else
        windows.restoreMainWindow();
}

void ControllerLogic::press(ControllerButton button)
{
    view_.focusButton(button);
    onButton(button);
}

bool ControllerLogic::onKeyPress(QChar key)
{
    switch (key.toLower().unicode()) {
    case 27:
        parts_.flags.quitting = true;
        closeThisController();
        parts_.windows.closeMainWindow();
        return true;
    case u'c': press(ControllerButton::Next); return true;
    case u'x': press(ControllerButton::Back); return true;
    case u'z': press(ControllerButton::Top); return true;
    case u'v':
        if (kind_ != ControllerKind::Full)
            return false;
        press(ControllerButton::Bottom);
        return true;
    case u'b': press(ControllerButton::Cancel); return true;
    default: return false;
    }
}

void ControllerLogic::onButton(ControllerButton button)
{
    StepOperator& steps = parts_.engine;
    switch (button) {
    case ControllerButton::Top: steps.top(); break;
    case ControllerButton::Back: steps.back(); break;
    case ControllerButton::BackClipOff: steps.backWithoutClipboard(); break;
    case ControllerButton::Next: steps.next(); break;
    case ControllerButton::NextClipOff: steps.nextWithoutClipboard(); break;
    case ControllerButton::Bottom: steps.bottom(); break;
    case ControllerButton::Cancel: closeThisController(); break;
    case ControllerButton::Off:
        parts_.flags.quitting = true;
        closeThisController();
        parts_.windows.closeMainWindow();
        break;
    }
}

void ControllerLogic::onClipToggled(bool checked)
{
    parts_.engine.setClipSwitch(checked ? 1 : 0);
}

void ControllerLogic::onLabelClick(bool bringAllIntoView)
{
    if (bringAllIntoView)
        parts_.windows.bringAllIntoView(name());
    else
        keepOnScreen(view_, screen_);
}

void ControllerLogic::onBackgroundClick()
{
    keepOnScreen(view_, screen_);
}

} // namespace qc
