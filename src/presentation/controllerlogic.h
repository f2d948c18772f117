#pragma once

#include "presentation/steppingports.h"
#include "windows/operatorwindowrules.h"
#include "windows/placedwindowview.h"

#include <QString>

namespace qc {

class Screen;
class Settings;
class SteppingEngine;
class WindowManager;
struct WindowFlags;

enum class ControllerKind { Full, Simple };

enum class ControllerButton { Top, Back, BackClipOff, Next, NextClipOff, Bottom, Cancel, Off };

// A controller window as its handlers see it.
class ControllerView : public FixedWindowView {
public:
    virtual void showPointer(int pointer) = 0;
    virtual void showTotal(int lineCount) = 0;
    virtual QString jumpText() const = 0;
    virtual void clearJump() = 0;
    virtual void setClipChecked(bool checked) = 0;
    virtual void focusButton(ControllerButton button) = 0;
};

// frmMi01 and the simple frmMi01a: the operator's buttons and keys, the jump box and the
// clip box, and what happens to every presentation window when the controller is
// minimised, restored or closed.
class ControllerLogic : public StepController {
public:
    struct Parts {
        Settings& settings;
        SteppingEngine& engine;
        WindowManager& windows;
        WindowFlags& flags;
    };

    ControllerLogic(ControllerView& view, ControllerKind kind, Parts parts, const Screen& screen);

    void onLoad();
    void onResize();
    void onQueryUnload();
    void onUnload();
    bool onKeyPress(QChar key);
    void onButton(ControllerButton button);
    void onClipToggled(bool checked);
    // Clicks on the line-number captions bring every presentation window into view; other
    // clicks on the window only this controller.
    void onLabelClick(bool bringAllIntoView);
    void onBackgroundClick();

    void showPointer(int pointer) override { view_.showPointer(pointer); }
    void showTotal(int lineCount) override { view_.showTotal(lineCount); }
    bool hasJumpBox() const override { return kind_ == ControllerKind::Full; }
    QString jumpText() const override { return view_.jumpText(); }
    void clearJump() override { view_.clearJump(); }
    void showClipSwitch(int clipSwitch) override;

private:
    const QString& name() const;
    void closeThisController();
    void press(ControllerButton button);

    ControllerView& view_;
    ControllerKind kind_;
    Parts parts_;
    const Screen& screen_;
    RememberedPlace place_;
};

} // namespace qc
