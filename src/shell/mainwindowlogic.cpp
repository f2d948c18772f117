#include "shell/mainwindowlogic.h"

#include "platform/commondialogs.h"
#include "presentation/voicesoftware.h"
#include "script/script.h"
#include "settings/settings.h"
#include "windows/windowflags.h"
#include "windows/operatorwindowrules.h"
#include "windows/windowmanager.h"
#include "windows/windownames.h"

namespace qc {

namespace {

using K = SettingKey;


} // namespace

MainWindowLogic::MainWindowLogic(MainWindowView& view, Parts parts, Services services)
    : view_(view), parts_(parts), services_(std::move(services)),
      place_({K::Win00State, K::Win00Left, K::Win00Top}, services_.screen)
{
}

void MainWindowLogic::onLoad()
{
    if (parts_.flags.firstRun)
        return;
    place_.open(view_, parts_.settings);
    view_.showScriptTotals(parts_.script.content().lineCount(), parts_.script.location().fileName);
    if (parts_.script.location().path.isEmpty() && !parts_.flags.hiddenToTray) {
        view_.showWindow();
        view_.focusButton(MainButton::Read);
    }
}

void MainWindowLogic::onResize()
{
    if (parts_.flags.firstRun)
        return;
    fixedWindowResized(view_, parts_.settings, parts_.flags);
}

void MainWindowLogic::onQueryUnload()
{
    if (parts_.flags.firstRun)
        return;
    place_.recordOnClose(view_, parts_.settings, parts_.flags);
}

void MainWindowLogic::onUnload()
{
    if (parts_.flags.firstRun)
        return;
    services_.shutdown();
}

void MainWindowLogic::click(MainButton button)
{
    view_.focusButton(button);
    switch (button) {
    case MainButton::Read: read(); break;
    case MainButton::Show: showPresentation(); break;
    case MainButton::Config: config(); break;
    case MainButton::Voice: voice(); break;
    case MainButton::About: about(); break;
    case MainButton::Clear: clear(); break;
    case MainButton::Off: quit(); break;
    }
}

bool MainWindowLogic::onKeyPress(QChar key)
{
    switch (key.toLower().unicode()) {
    case 27:
        parts_.flags.quitting = true;
        parts_.windows.closeMainWindow();
        return true;
    case u'v': click(MainButton::Config); return true;
    case u'c': click(MainButton::Show); return true;
    case u'x': click(MainButton::Read); return true;
    case u'b': click(MainButton::Off); return true;
    default: return false;
    }
}

void MainWindowLogic::onBackgroundClick()
{
    keepOnScreen(view_, services_.screen);
}

void MainWindowLogic::beginScriptLoad()
{
    parts_.flags.trayLocked = true;
    view_.hideWindow();
}

void MainWindowLogic::endScriptLoad(int lineCount, const QString& fileName)
{
    view_.showScriptTotals(lineCount, fileName);
    view_.showWindow();
    view_.focusButton(MainButton::Show);
    parts_.flags.trayLocked = false;
}

void MainWindowLogic::onFilesDropped(const QStringList& paths)
{
    QString initDir = parts_.settings.text(K::InitDir);
    const QString dropped = pickDroppedFileByExtension(paths, QStringLiteral("txt"));
    if (dropped.isEmpty()) {
        view_.showWindow();
        return;
    }
    openDroppedScript(dropped, parts_.script, initDir, *this);
    parts_.settings.setText(K::InitDir, initDir);
}

void MainWindowLogic::read()
{
    beginScriptLoad();
    const std::optional<QString> chosen =
        services_.dialogs.openFile(kScriptFileFilter, parts_.settings.text(K::InitDir));
    if (!chosen) {
        view_.showWindow();
        parts_.flags.trayLocked = false;
        return;
    }
    parts_.script.setLocation(ScriptLocation::ofPath(*chosen));
    if (!parts_.script.location().folder.isEmpty())
        parts_.settings.setText(K::InitDir, parts_.script.location().folder);
    parts_.script.load();
    endScriptLoad(parts_.script.content().lineCount(), parts_.script.location().fileName);
}

void MainWindowLogic::showPresentation()
{
    WindowManager& windows = parts_.windows;
    const bool simple = parts_.settings.integer(K::ShowTxtSimpleUse) == 1;
    if (simple)
        windows.openSimpleController();
    else
        windows.openController();
    // Without a controller nothing could bring this window back: it stays.
    if (!windows.isControllerLoaded())
        return;
    windows.openDisplayWindow();
    windows.restoreController();
    parts_.voice.startOnShow();
    view_.hideWindow();
}

void MainWindowLogic::config()
{
    parts_.windows.openSettingsDialog();
    if (parts_.windows.isLoaded(windowname::kSettingsDialog))
        view_.hideWindow();
}

void MainWindowLogic::voice()
{
    parts_.voice.startFromButton();
}

void MainWindowLogic::about()
{
    parts_.windows.openAboutDialog();
    if (parts_.windows.isLoaded(windowname::kAboutDialog))
        view_.hideWindow();
}

void MainWindowLogic::clear()
{
    parts_.script.clear();
    parts_.script.setLocation({});
    view_.showScriptTotals(0, QString());
}

void MainWindowLogic::quit()
{
    parts_.windows.closeMainWindow();
}

} // namespace qc
