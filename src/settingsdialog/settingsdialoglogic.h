#pragma once

#include "settingsdialog/settingsdialogview.h"
#include "windows/operatorwindowrules.h"

#include <QString>

namespace qc {

class CommonDialogs;
class FileExistence;
class Screen;
class Settings;
class TaskTray;
class WindowManager;
struct WindowFlags;

inline const QString kVoiceSoftFilter =
    QStringLiteral("lnkﾌｧｲﾙ(*.lnk)|*.lnk|exeﾌｧｲﾙ(*.exe)|*.exe|comﾌｧｲﾙ(*.com)|*.com|すべて(*.*)|*.*");

// What the font marks show for a bold or italic value above 0.
inline const QString kFontMark = QStringLiteral(" ﾚ");

// frmMi03: shows the operator's settings, edits them in its controls and the desktop's font,
// colour and file dialogs, and stores them only on OK. The tray follows the tray setting at
// once.
class SettingsDialogLogic {
public:
    struct Parts {
        Settings& settings;
        WindowManager& windows;
        WindowFlags& flags;
        TaskTray& tray;
    };
    struct Services {
        CommonDialogs& dialogs;
        const FileExistence& files;
        const Screen& screen;
    };

    SettingsDialogLogic(SettingsDialogView& view, Parts parts, Services services);

    void onLoad();
    void onResize();
    void onQueryUnload();
    void onUnload();
    // A key typed anywhere in the dialog; true when it was used.
    bool onKeyPress(QChar key);
    void onBackgroundClick();
    // The focus left a box: the colour boxes, the line limit and the voice software are
    // checked and put right; other boxes take anything.
    void onLostFocus(SettingsText field);

    void chooseFont();
    void chooseColor(SettingsSwatch swatch);
    void chooseVoiceSoft();
    void putDefaults();
    void ok();
    void cancel();

private:
    void setFontFlag(SettingsText field, const QString& value);
    void setColor(SettingsSwatch swatch, const QString& rgb);
    void dropMissingVoiceSoft();
    // Runs a common dialog with this one out of the way and the tray icon deaf to clicks.
    template <typename Dialog>
    auto aside(Dialog dialog);

    SettingsDialogView& view_;
    Parts parts_;
    Services services_;
    RememberedPlace place_;
};

} // namespace qc
