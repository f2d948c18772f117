#pragma once

#include "windows/presentationwindows.h"
#include "windows/showstaterecords.h"

#include <QString>

namespace qc {

class Screen;
class Settings;
class WindowRegistry;

// Which operator window the tray icon brings back.
enum class FrontWindow { None = 0, Main = 1, Controller = 2, SettingsDialog = 3 };

// The one way every part opens, shows, hides, restores and closes windows: one operation per
// window and verb, the recorded show states of the script-driven windows, the front window,
// and pulling windows back onto the screen.
class WindowManager : public PresentationWindows,
                      public SubDisplayWindows,
                      public MusicPanelWindows,
                      public ShowStates,
                      public ControllerPlace {
public:
    WindowManager(WindowRegistry& registry, ShowStateRecords& records, const Settings& settings,
                  const Screen& screen);

    FrontWindow frontWindow() const { return front_; }

    // Sub displays 0..4 and the music panel, by recorded show state.
    void loadSubDisplay(int id) override;
    void showSubDisplay(int id) override;
    void hideSubDisplay(int id) override;
    void unloadSubDisplay(int id) override;
    // A sub display closed itself (its close box): it is no longer loaded.
    void subDisplayClosed(int id);
    void loadMusicPanel() override;
    void showMusicPanel() override;
    void hideMusicPanel() override;
    void unloadMusicPanel() override;
    // The music panel closed itself (its close box): it is no longer loaded.
    void musicPanelClosed();
    // The music panel, then the sub displays from the last to the first.
    void hideScriptWindows() override;
    void unloadScriptWindows() override;

    // Hide or show again what is recorded as shown, without changing the records.
    void suspendSubDisplays();
    void resumeSubDisplays();
    void suspendMusicPanel();
    void resumeMusicPanel();

    // Operator windows; each sets the front window first.
    void openMainWindow();
    void restoreMainWindow();
    void closeMainWindow();
    void openController();
    void restoreController() override;  // the controller in use, by ShowTxtSimpleUse
    void restoreFullController();
    void openSimpleController();
    void restoreSimpleController();
    void openSettingsDialog();
    void restoreSettingsDialog();
    void openAboutDialog();

    void closeController();
    void closeSimpleController();
    void openDisplayWindow();
    void restoreDisplayWindow() override;
    void hideDisplayWindow();
    void closeDisplayWindow();
    void closeSettingsDialog();
    void closeAboutDialog();
    void loadTimerWindow();
    void unloadTimerWindow();
    // The tray window: its loading puts the icon in the tray, its unloading takes it away.
    void loadTrayWindow();
    void unloadTrayWindow();
    void loadMusicEngine();
    void unloadMusicEngine();
    void loadOperatorWindows();
    void unloadOperatorWindows();
    bool isControllerLoaded() const;
    bool isLoaded(const QString& name) const;

    // Pulls a loaded window back inside the screen without resizing it. Sub displays and the
    // music panel only while recorded as loaded.
    void keepOnScreen(const QString& name);
    void bringAllIntoView(const QString& controllerName);

    std::optional<WindowRect> controllerRect() const override;

    int subShowState(int id) const override;
    int panelShowState() const override;

private:
    void load(const QString& name);
    void show(const QString& name);
    void hide(const QString& name);
    void restoreAndShow(const QString& name);
    void unload(const QString& name);
    void moveOnScreen(const QString& name);

    WindowRegistry& registry_;
    ShowStateRecords& records_;
    const Settings& settings_;
    const Screen& screen_;
    FrontWindow front_ = FrontWindow::None;
};

} // namespace qc
