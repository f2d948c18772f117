#pragma once

#include "windows/placedwindowview.h"

namespace qc {

class Screen;
class WindowManager;
struct WindowFlags;

inline const QString kAboutTitle = QStringLiteral("about");
inline const QString kReleaseDateText = QStringLiteral("Jul. 20, 2015");
inline const QString kMakerText = QStringLiteral("Quillcast developers");

// The about dialog as its handlers see it.
class AboutDialogView : public PlacedWindowView {};

// frmMi80: centred when it opens; OK or the close box return to the main window, Esc quits.
class AboutDialogLogic {
public:
    AboutDialogLogic(AboutDialogView& view, WindowManager& windows, WindowFlags& flags, const Screen& screen);

    void onLoad();
    void onOk();
    bool onKeyPress(QChar key);
    void onQueryUnload();
    void onUnload();

private:
    AboutDialogView& view_;
    WindowManager& windows_;
    WindowFlags& flags_;
    const Screen& screen_;
};

} // namespace qc
