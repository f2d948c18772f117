#include "presentation/controllerlogic.h"

#include "presentation/steppingengine.h"
#include "script/numbers.h"
#include "settings/settings.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windownames.h"

namespace qc {

namespace {

using K = SettingKey;


} // namespace

ControllerLogic::ControllerLogic(ControllerView& view, ControllerKind kind, Parts parts, const Screen& screen)
    : view_(view), kind_(kind), parts_(parts), screen_(screen)
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
    loadLeft_ = parts_.settings.text(K::Win01Left);
    loadTop_ = parts_.settings.text(K::Win01Top);
    view_.moveTo(int(numberOfText(loadLeft_)), int(numberOfText(loadTop_)));
    keepOnScreen(view_, screen_);
    view_.setWindowState(windowStateOfText(parts_.settings.text(K::Win01State)));
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
    if (parts_.settings.integer(K::TaskUse) == 1 && parts_.flags.trayIconAdded) {
        parts_.flags.hiddenToTray = true;
        view_.hideWindow();
    }
}

void ControllerLogic::onQueryUnload()
{
    if (parts_.flags.firstRun)
        return;
    // Closing a minimised controller (from the task bar) quits the program.
    if (view_.windowState() == WindowState::Minimized)
        parts_.flags.quitting = true;
    Settings& settings = parts_.settings;
    settings.setText(K::Win01State, parts_.flags.hiddenToTray ? QStringLiteral("1")
                                                              : QString::number(int(view_.windowState())));
    view_.setWindowState(WindowState::Normal);
    const WindowRect place = keptOnScreen(view_.rect(), screen_);
    const bool inTheCorner = place.left < 1 && place.top < 1;
    settings.setText(K::Win01Left, inTheCorner ? loadLeft_ : QString::number(place.left));
    settings.setText(K::Win01Top, inTheCorner ? loadTop_ : QString::number(place.top));
    view_.hideWindow();
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
