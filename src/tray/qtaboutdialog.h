#pragma once

#include "tray/aboutdialoglogic.h"

#include <QWidget>

#include <functional>

namespace qc {

// frmMi80, the about dialog.
class QtAboutDialog : public QWidget, public AboutDialogView {
public:
    QtAboutDialog(const Screen& screen, WindowManager& windows, ProgramValues& values, const WindowFlags& flags);

    AboutDialogLogic& logic() { return logic_; }
    void setCloseBoxHandler(std::function<void()> handler) { closeBox_ = std::move(handler); }

    WindowRect rect() const override;
    void moveTo(int left, int top) override;
    void restoreNormal() override;
    void hideWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:

    const Screen& screen_;
    AboutDialogLogic logic_;
    std::function<void()> closeBox_;
};

} // namespace qc
