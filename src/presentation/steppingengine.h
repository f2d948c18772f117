#pragma once

#include "presentation/linecommands.h"
#include "presentation/stepobserver.h"
#include "presentation/stepoperator.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace qc {

class ClipTokens;
class CommandFamily;
class DisplayCommandsPort;
class PresentationWindows;
class Script;
class Settings;
class StepClipboard;
class StepController;
class StepDisplay;
class Timer;
class Timers;

// Everything the engine drives besides the script and the settings.
struct SteppingPorts {
    StepDisplay& display;
    // The display commands come first; the families of the script-driven windows (sub
    // displays, music) after them, in order.
    DisplayCommandsPort& displayCommands;
    std::vector<CommandFamily*> windowFamilies;
    PresentationWindows& windows;
    StepClipboard& clipboard;
    // Told after every run start, run end and step.
    StepObserver& observer;
};

// The presentation pointer over the loaded script and the operator's stepping operations:
// Next, Back, Top, Bottom and the jump, each with its display, command and clipboard work in
// a fixed order. A presentation run lasts while a controller is open.
class SteppingEngine : public StepOperator {
public:
    SteppingEngine(const Script& script, const Settings& settings, ClipTokens& tokens, LineCommands& lineCommands,
                   SteppingPorts ports, Timers& timers);
    ~SteppingEngine() override;

    // A controller opened: a fresh run before the top, with a new step table.
    void startRun(StepController& controller);
    // The controller closed.
    void endRun();

    void next() override;
    void nextWithoutClipboard() override;
    void back() override;
    void backWithoutClipboard() override;
    void top() override;
    void bottom() override;
    void jump(const QString& lineNumber) override;

    // The clipboard check box.
    void setClipSwitch(int value) { clipSwitch_ = value; }
    // The display key "clip": the controller's check box follows.
    void applyClipSwitch(int value);
    int clipSwitch() const { return clipSwitch_; }

    // The display text box lost the keyboard focus.
    void noteDisplayFocusLost() { displayFocusLost_ = true; }

    // Forgets the step table (the script was cleared or reloaded).
    void forgetStepHistory() { stepHistory_.clear(); }

    int stepPointer() const { return stepPointer_; }
    const std::vector<int>& stepHistory() const { return stepHistory_; }
    const QString& stepClipText() const { return stepClipText_; }

private:
    enum class Move { Forward, Backward };

    bool acceptButtonWait();
    void tickButtonWait();
    void takeJumpRequest();
    void collectStep();
    void buildStepHistory();
    void show(const QString& text);
    void showStepResult();
    void leaveScriptIfOutside();
    void applyStagedCommands(Move move);
    void putStepOnClipboard();
    void stepForward();
    bool stepBack();
    void goToEnd(int pointer, const QString& text);
    void report(StepAction action);
    int lineCount() const;

    const Script& script_;
    const Settings& settings_;
    ClipTokens& tokens_;
    LineCommands& lineCommands_;
    SteppingPorts ports_;
    StepController* controller_ = nullptr;
    std::unique_ptr<Timer> buttonWaitTimer_;

    int stepPointer_ = 0;
    int scanCursor_ = 0;
    std::vector<int> stepHistory_;
    std::optional<QString> jumpRequest_;
    QString stepDisplayText_;
    QString stepClipText_;
    QString shownText_;
    std::optional<QString> copiedText_;
    int clipSwitch_ = 0;
    int buttonWaitCount_ = 0;
    bool displayFocusLost_ = false;
};

} // namespace qc
