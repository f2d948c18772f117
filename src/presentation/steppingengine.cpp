#include "presentation/steppingengine.h"

#include "platform/timers.h"
#include "presentation/steppingports.h"
#include "presentation/stepscanner.h"
#include "windows/presentationwindows.h"
#include "script/cliptokens.h"
#include "script/numbers.h"
#include "script/script.h"
#include "settings/settings.h"

#include <algorithm>
#include <utility>

namespace qc {

namespace {

constexpr int kButtonWaitMs = 250;
constexpr int kButtonWaitTicks = 2;

} // namespace

SteppingEngine::SteppingEngine(const Script& script, const Settings& settings, ClipTokens& tokens,
                               LineCommands& lineCommands, SteppingPorts ports, Timers& timers)
    : script_(script),
      settings_(settings),
      tokens_(tokens),
      lineCommands_(lineCommands),
      ports_(std::move(ports)),
      buttonWaitTimer_(timers.create(kButtonWaitMs, [this] { tickButtonWait(); }))
{
}

SteppingEngine::~SteppingEngine() = default;

int SteppingEngine::lineCount() const
{
    return script_.content().lineCount();
}

void SteppingEngine::startRun(StepController& controller)
{
    controller_ = &controller;
    buttonWaitCount_ = 0;
    stepDisplayText_.clear();
    stepPointer_ = 0;
    scanCursor_ = 0;
    jumpRequest_.reset();
    shownText_ = script_.content().header;  // what the display window opens with
    controller.showTotal(lineCount());
    clipSwitch_ = settings_.integer(SettingKey::ShowTxtClip);
    controller.showClipSwitch(clipSwitch_);
    buildStepHistory();
    ports_.observer.runStarted();
}

void SteppingEngine::applyClipSwitch(int value)
{
    clipSwitch_ = value;
    if (controller_)
        controller_->showClipSwitch(value);
}

void SteppingEngine::endRun()
{
    controller_ = nullptr;
    ports_.observer.runEnded();
}

// A second Next or Back within two ticks of the accepted one is refused while steps go to the
// clipboard, so that a double press does not skip a step on air.
bool SteppingEngine::acceptButtonWait()
{
    if (clipSwitch_ <= 0)
        return true;
    if (buttonWaitCount_ > 0)
        return false;
    buttonWaitCount_ = kButtonWaitTicks;
    buttonWaitTimer_->setEnabled(true);
    return true;
}

void SteppingEngine::tickButtonWait()
{
    if (buttonWaitCount_ >= 1)
        --buttonWaitCount_;
    if (buttonWaitCount_ <= 0)
        buttonWaitTimer_->setEnabled(false);
}

void SteppingEngine::takeJumpRequest()
{
    QString text;
    if (jumpRequest_)
        text = *std::exchange(jumpRequest_, std::nullopt);
    else if (controller_ && controller_->hasJumpBox())
        text = controller_->jumpText();
    if (text.isEmpty())
        return;
    const double number = numberOfText(text);
    int target = 0;
    try {
        target = toInt16(number);
    } catch (const NumberOverflow&) {
        // Beyond any line number: the nearest end.
        target = number < 0 ? 0 : lineCount() + 1;
    }
    if (target >= 1 && target <= lineCount()) {
        stepPointer_ = 0;
        scanCursor_ = target - 1;
    } else if (target < 1) {
        scanCursor_ = -1;
        stepPointer_ = 0;
    } else {
        scanCursor_ = lineCount() + 1;
        stepPointer_ = lineCount() + 1;
    }
}

void SteppingEngine::collectStep()
{
    stepDisplayText_.clear();
    stepClipText_.clear();
    tokens_.clearSubClipText();

    StepAccumulator step;
    if (scanCursor_ < 0) {
        // A jump before the first line: the header, with nothing gathered.
        scanCursor_ = 0;
    } else {
        stepPointer_ = scanStep(script_.content(), settings_.integer(SettingKey::ShowTxtBreak), scanCursor_,
                                [&](const ScriptLine& line) {
                                    if (line.kind == LineKind::Text)
                                        step.addTextLine(line.text);
                                    else if (line.kind == LineKind::Command)
                                        lineCommands_.run(line, step);
                                });
    }

    if (!step.display.isEmpty()) {
        step.display += QStringLiteral("\r\n");
        step.clip += QStringLiteral("\r\n");
    }
    const StepTexts texts =
        tokens_.finishStep(step.display, step.clip, settings_.text(SettingKey::ShowTxtClipSpace));
    stepDisplayText_ = texts.display;
    stepClipText_ = texts.clip;
}

// The first line of every step, read as Next would read them, acting on no command.
void SteppingEngine::buildStepHistory()
{
    stepHistory_.clear();
    const ScriptContent& content = script_.content();
    const int count = content.lineCount();
    const int lineLimit = settings_.integer(SettingKey::ShowTxtBreak);
    int cursor = 0;
    while (cursor < count + 1) {
        const int start = scanStep(content, lineLimit, cursor, [](const ScriptLine&) {});
        if (start <= count)
            stepHistory_.push_back(start);
    }
}

void SteppingEngine::show(const QString& text)
{
    ports_.display.showText(text);
    shownText_ = text;
    if (displayFocusLost_) {
        ports_.display.returnFocusToController();
        displayFocusLost_ = false;
    }
    if (controller_) {
        controller_->showPointer(stepPointer_);
        if (controller_->hasJumpBox())
            controller_->clearJump();
    }
}

void SteppingEngine::showStepResult()
{
    const ScriptContent& content = script_.content();
    if (stepPointer_ < 1)
        show(content.header);
    else if (stepPointer_ > content.lineCount())
        show(content.footer);
    else
        show(stepDisplayText_);
}

void SteppingEngine::leaveScriptIfOutside()
{
    if (stepPointer_ >= 1 && stepPointer_ <= lineCount())
        return;
    ports_.displayCommands.stageReset();
    ports_.windows.unloadScriptWindows();
}

namespace {

// Runs a pending family's check, apply and clear; whether it was pending.
bool runStaged(CommandFamily& family)
{
    if (!family.isPending())
        return false;
    family.check();
    family.apply();
    family.clear();
    return true;
}

} // namespace

void SteppingEngine::applyStagedCommands(Move move)
{
    runStaged(ports_.displayCommands);
    if (move == Move::Backward)
        ports_.windows.hideScriptWindows();
    bool windowsActed = false;
    for (CommandFamily* family : ports_.windowFamilies)
        windowsActed = runStaged(*family) || windowsActed;
    if (windowsActed) {
        ports_.windows.restoreDisplayWindow();
        ports_.windows.restoreController();
    }
}

void SteppingEngine::putStepOnClipboard()
{
    stepClipText_ = tokens_.subClipText() + stepClipText_;
    if (!stepClipText_.isEmpty() && clipSwitch_ > 0) {
        ports_.clipboard.putClipboard(stepClipText_);
        copiedText_ = stepClipText_;
    }
}

void SteppingEngine::stepForward()
{
    ports_.displayCommands.refreshShelterRect();
    ports_.displayCommands.followShelter();
    takeJumpRequest();
    collectStep();
    showStepResult();
    leaveScriptIfOutside();
    applyStagedCommands(Move::Forward);
}

bool SteppingEngine::stepBack()
{
    ports_.displayCommands.refreshShelterRect();
    ports_.displayCommands.leaveShelter();
    // Without a step table only the pointer goes back; the display stays as it is.
    if (stepHistory_.empty()) {
        stepPointer_ = 0;
        if (controller_)
            controller_->showPointer(0);
        return false;
    }
    // The last step that starts before the current one; none means the header.
    const auto after = std::lower_bound(stepHistory_.begin(), stepHistory_.end(), stepPointer_);
    const int target = after == stepHistory_.begin() ? 0 : *std::prev(after);
    stepPointer_ = 0;
    scanCursor_ = target - 1;
    collectStep();
    showStepResult();
    leaveScriptIfOutside();
    applyStagedCommands(Move::Backward);
    return true;
}

void SteppingEngine::report(StepAction action)
{
    ports_.observer.stepTaken({action, stepPointer_, shownText_, std::exchange(copiedText_, std::nullopt)});
}

void SteppingEngine::next()
{
    if (!acceptButtonWait())
        return;
    stepForward();
    putStepOnClipboard();
    report(StepAction::Next);
}

void SteppingEngine::jump(const QString& lineNumber)
{
    if (!acceptButtonWait())
        return;
    jumpRequest_ = lineNumber;
    stepForward();
    putStepOnClipboard();
    report(StepAction::Jump);
}

void SteppingEngine::nextWithoutClipboard()
{
    stepForward();
    report(StepAction::NextWithoutClipboard);
}

void SteppingEngine::back()
{
    if (!acceptButtonWait())
        return;
    if (stepBack())
        putStepOnClipboard();
    report(StepAction::Back);
}

void SteppingEngine::backWithoutClipboard()
{
    stepBack();
    report(StepAction::BackWithoutClipboard);
}

void SteppingEngine::goToEnd(int pointer, const QString& text)
{
    ports_.displayCommands.leaveShelter();
    scanCursor_ = pointer;
    stepPointer_ = pointer;
    show(text);
    // The reset is applied at once and not kept for the next step, which would otherwise
    // apply it again together with its own commands.
    ports_.displayCommands.stageReset();
    ports_.displayCommands.apply();
    ports_.displayCommands.clear();
    ports_.windows.unloadScriptWindows();
}

void SteppingEngine::top()
{
    goToEnd(0, script_.content().header);
    report(StepAction::Top);
}

void SteppingEngine::bottom()
{
    goToEnd(lineCount() + 1, script_.content().footer);
    report(StepAction::Bottom);
}

} // namespace qc
