#include "windows/windowmanager.h"

#include "script/numbers.h"
#include "windows/placedwindowview.h"
#include "settings/settings.h"
#include "windows/windownames.h"
#include "windows/windowregistry.h"

namespace qc {

namespace {

const QString kLoadedHidden = QStringLiteral("1");
const QString kShown = QStringLiteral("2");

double stateNumber(const QString& state)
{
    return numberOfText(state);
}

} // namespace

WindowManager::WindowManager(WindowRegistry& registry, ShowStateRecords& records,
                             const Settings& settings, const Screen& screen)
    : registry_(registry), records_(records), settings_(settings), screen_(screen)
{
}

void WindowManager::load(const QString& name)
{
    registry_.ensureLoaded(name);
}

void WindowManager::show(const QString& name)
{
    if (Window* window = registry_.ensureLoaded(name))
        window->show();
}

void WindowManager::hide(const QString& name)
{
    if (Window* window = registry_.find(name))
        window->hide();
}

void WindowManager::restoreAndShow(const QString& name)
{
    if (Window* window = registry_.ensureLoaded(name)) {
        window->restore();
        window->show();
    }
}

void WindowManager::unload(const QString& name)
{
    registry_.unloadByName(name);
}

void WindowManager::loadSubDisplay(int id)
{
    QString& state = records_.subShowState[std::size_t(id)];
    if (stateNumber(state) < 1) {
        state = kLoadedHidden;
        load(windowname::subDisplay(id));
    }
}

void WindowManager::showSubDisplay(int id)
{
    QString& state = records_.subShowState[std::size_t(id)];
    if (stateNumber(state) > 0) {
        state = kShown;
        show(windowname::subDisplay(id));
    }
}

void WindowManager::hideSubDisplay(int id)
{
    QString& state = records_.subShowState[std::size_t(id)];
    if (state == kShown) {
        state = kLoadedHidden;
        hide(windowname::subDisplay(id));
    }
}

void WindowManager::unloadSubDisplay(int id)
{
    unload(windowname::subDisplay(id));
    records_.subShowState[std::size_t(id)].clear();
}

void WindowManager::subDisplayClosed(int id)
{
    records_.subShowState[std::size_t(id)].clear();
}

void WindowManager::musicPanelClosed()
{
    records_.panelShowState.clear();
}

void WindowManager::loadMusicPanel()
{
    if (stateNumber(records_.panelShowState) < 1) {
        records_.panelShowState = kLoadedHidden;
        load(windowname::kMusicPanel);
    }
}

void WindowManager::showMusicPanel()
{
    if (stateNumber(records_.panelShowState) > 0) {
        records_.panelShowState = kShown;
        show(windowname::kMusicPanel);
    }
}

void WindowManager::hideMusicPanel()
{
    if (records_.panelShowState == kShown) {
        records_.panelShowState = kLoadedHidden;
        hide(windowname::kMusicPanel);
    }
}

void WindowManager::unloadMusicPanel()
{
    unload(windowname::kMusicPanel);
    records_.panelShowState.clear();
}

void WindowManager::hideScriptWindows()
{
    hideMusicPanel();
    for (int id = kSubDisplayCount - 1; id >= 0; --id)
        hideSubDisplay(id);
}

void WindowManager::unloadScriptWindows()
{
    unloadMusicPanel();
    for (int id = kSubDisplayCount - 1; id >= 0; --id)
        unloadSubDisplay(id);
}

void WindowManager::suspendSubDisplays()
{
    for (int id = 0; id < kSubDisplayCount; ++id) {
        if (records_.subShowState[std::size_t(id)] == kShown)
            hide(windowname::subDisplay(id));
    }
}

void WindowManager::resumeSubDisplays()
{
    for (int id = 0; id < kSubDisplayCount; ++id) {
        if (records_.subShowState[std::size_t(id)] == kShown)
            show(windowname::subDisplay(id));
    }
}

void WindowManager::suspendMusicPanel()
{
    if (records_.panelShowState == kShown)
        hide(windowname::kMusicPanel);
}

void WindowManager::resumeMusicPanel()
{
    if (records_.panelShowState == kShown)
        show(windowname::kMusicPanel);
}

void WindowManager::openMainWindow()
{
    front_ = FrontWindow::Main;
    show(windowname::kMain);
}

void WindowManager::restoreMainWindow()
{
    front_ = FrontWindow::Main;
    restoreAndShow(windowname::kMain);
}

void WindowManager::closeMainWindow()
{
    front_ = FrontWindow::None;
    unload(windowname::kMain);
}

void WindowManager::openController()
{
    front_ = FrontWindow::Controller;
    show(windowname::kController);
}

void WindowManager::restoreController()
{
    if (settings_.integer(SettingKey::ShowTxtSimpleUse) == 0)
        restoreFullController();
    else
        restoreSimpleController();
}

void WindowManager::restoreFullController()
{
    front_ = FrontWindow::Controller;
    restoreAndShow(windowname::kController);
}

void WindowManager::openSimpleController()
{
    front_ = FrontWindow::Controller;
    show(windowname::kSimpleController);
}

void WindowManager::restoreSimpleController()
{
    front_ = FrontWindow::Controller;
    restoreAndShow(windowname::kSimpleController);
}

void WindowManager::openSettingsDialog()
{
    front_ = FrontWindow::SettingsDialog;
    show(windowname::kSettingsDialog);
}

void WindowManager::restoreSettingsDialog()
{
    front_ = FrontWindow::SettingsDialog;
    restoreAndShow(windowname::kSettingsDialog);
}

void WindowManager::openAboutDialog()
{
    front_ = FrontWindow::None;
    show(windowname::kAboutDialog);
}

void WindowManager::closeController()
{
    unload(windowname::kController);
}

void WindowManager::closeSimpleController()
{
    unload(windowname::kSimpleController);
}

void WindowManager::openDisplayWindow()
{
    show(windowname::kDisplay);
}

void WindowManager::restoreDisplayWindow()
{
    restoreAndShow(windowname::kDisplay);
}

void WindowManager::hideDisplayWindow()
{
    hide(windowname::kDisplay);
}

void WindowManager::closeDisplayWindow()
{
    unload(windowname::kDisplay);
}

void WindowManager::closeSettingsDialog()
{
    unload(windowname::kSettingsDialog);
}

void WindowManager::closeAboutDialog()
{
    unload(windowname::kAboutDialog);
}

void WindowManager::loadTimerWindow()
{
    load(windowname::kTimerWindow);
}

void WindowManager::unloadTimerWindow()
{
    unload(windowname::kTimerWindow);
}

void WindowManager::loadTrayWindow()
{
    load(windowname::kTrayWindow);
}

void WindowManager::unloadTrayWindow()
{
    unload(windowname::kTrayWindow);
}

void WindowManager::loadMusicEngine()
{
    load(windowname::kMusicEngine);
}

void WindowManager::unloadMusicEngine()
{
    unload(windowname::kMusicEngine);
}

void WindowManager::loadOperatorWindows()
{
    for (const QString& name : {windowname::kMain, windowname::kController, windowname::kDisplay,
                                windowname::kSettingsDialog})
        load(name);
}

void WindowManager::unloadOperatorWindows()
{
    for (const QString& name : {windowname::kMain, windowname::kController, windowname::kDisplay,
                                windowname::kSettingsDialog})
        unload(name);
}

bool WindowManager::isControllerLoaded() const
{
    return registry_.isLoaded(windowname::kController) || registry_.isLoaded(windowname::kSimpleController);
}

bool WindowManager::isLoaded(const QString& name) const
{
    return registry_.isLoaded(name);
}

void WindowManager::moveOnScreen(const QString& name)
{
    Window* window = registry_.find(name);
    if (!window)
        return;
    const WindowRect place = keptOnScreen(window->rect(), screen_);
    window->moveTo(place.left, place.top);
}

void WindowManager::keepOnScreen(const QString& name)
{
    for (int id = 0; id < kSubDisplayCount; ++id) {
        if (name == windowname::subDisplay(id) && stateNumber(records_.subShowState[std::size_t(id)]) <= 0)
            return;
    }
    if (name == windowname::kMusicPanel && stateNumber(records_.panelShowState) <= 0)
        return;
    moveOnScreen(name);
}

void WindowManager::bringAllIntoView(const QString& controllerName)
{
    keepOnScreen(windowname::kMusicPanel);
    for (int id = kSubDisplayCount - 1; id >= 0; --id)
        keepOnScreen(windowname::subDisplay(id));
    keepOnScreen(windowname::kDisplay);
    keepOnScreen(controllerName);
}

std::optional<WindowRect> WindowManager::controllerRect() const
{
    const QString& name = settings_.integer(SettingKey::ShowTxtSimpleUse) == 0 ? windowname::kController
                                                                               : windowname::kSimpleController;
    if (const Window* window = registry_.find(name))
        return window->rect();
    return std::nullopt;
}

int WindowManager::subShowState(int id) const
{
    return int(stateNumber(records_.subShowState[std::size_t(id)]));
}

int WindowManager::panelShowState() const
{
    return int(stateNumber(records_.panelShowState));
}

} // namespace qc
