#pragma once

#include "script/droppedscript.h"
#include "windows/operatorwindowrules.h"
#include "windows/placedwindowview.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace qc {

class CommonDialogs;
class Screen;
class Script;
class Settings;
class VoiceSoftware;
class WindowManager;
struct WindowFlags;

enum class MainButton { Read, Show, Config, Voice, About, Clear, Off };

// The main window as its handlers see it.
class MainWindowView : public FixedWindowView {
public:
    virtual void showScriptTotals(int lineCount, const QString& fileName) = 0;
    virtual void focusButton(MainButton button) = 0;
};

inline const QString kScriptFileFilter = QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|すべて(*.*)|*.*");

// The main window's rules: where it opens and what it records when it closes, its buttons,
// keys and dropped files.
class MainWindowLogic : public ScriptLoadView {
public:
    struct Parts {
        Settings& settings;
        Script& script;
        WindowManager& windows;
        WindowFlags& flags;
        VoiceSoftware& voice;
    };
    struct Services {
        CommonDialogs& dialogs;
        const Screen& screen;
        // The orderly end of the program, when the window has unloaded.
        std::function<void()> shutdown;
    };

    MainWindowLogic(MainWindowView& view, Parts parts, Services services);

    void onLoad();
    void onResize();
    void onQueryUnload();
    void onUnload();
    // A key typed anywhere in the window; true when it was used.
    bool onKeyPress(QChar key);
    void onBackgroundClick();
    void onFilesDropped(const QStringList& paths);

    void read();
    void showPresentation();
    void config();
    void voice();
    void about();
    void clear();
    void quit();

    void beginScriptLoad() override;
    void endScriptLoad(int lineCount, const QString& fileName) override;

private:
    void click(MainButton button);

    MainWindowView& view_;
    Parts parts_;
    Services services_;
    RememberedPlace place_;
};

} // namespace qc
