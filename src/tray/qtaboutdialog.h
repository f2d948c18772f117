#pragma once

#include "tray/aboutdialoglogic.h"
#include "windows/qt/placedwindow.h"

namespace qc {

// frmMi80, the about dialog.
class QtAboutDialog : public QtPlacedWindow<AboutDialogView> {
public:
    QtAboutDialog(const Screen& screen, WindowManager& windows, WindowFlags& flags);

    AboutDialogLogic& logic() { return logic_; }

private:
    AboutDialogLogic logic_;
};

} // namespace qc
