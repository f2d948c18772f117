#include "presentation/steppingengine.h"

#include "platform/timers.h"
#include "presentation/steppingports.h"
#include "script/cliptokens.h"
#include "script/numbers.h"
#include "script/script.h"
#include "settings/settings.h"

#include <algorithm>

namespace qc {

namespace {

constexpr int kButtonWaitMs = 250;
constexpr int kButtonWaitTicks = 2;

bool isSeparator(LineKind kind)
{
    return kind == LineKind::Empty || kind == LineKind::Comment;
}

} // namespace

SteppingEngine::SteppingEngine(const Script& script, const Settings& settings, ClipTokens& tokens,
                               CommandStaging& staging, LineCommands& lineCommands,
                               SteppingPorts ports, Timers& timers)
    : script_(script),
      settings_(settings),
      tokens_(tokens),
      staging_(staging),
      lineCommands_(lineCommands),
      ports_(ports),
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
    dryRunStart_ = 0;
    dryRunCursor_ = 0;
    controller.showTotal(lineCount());
    clipSwitch_ = settings_.integer(SettingKey::ShowTxtClip);
    controller.showClipSwitch(clipSwitch_);
    buildStepHistory();
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
    if (!controller_ || !controller_->hasJumpBox())
        return;
    const QString text = controller_->jumpText();
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

    const ScriptContent& content = script_.content();
    const int count = content.lineCount();
    const int lineLimit = settings_.integer(SettingKey::ShowTxtBreak);
    StepAccumulator step;
    bool found = false;
    bool done = false;
    if (scanCursor_ < 0) {
        scanCursor_ = 0;
        done = true;
    }
    while (!done) {
        const int number = ++scanCursor_;
        if (number > count) {
            if (!found) {
                scanCursor_ = count + 1;
                stepPointer_ = count + 1;
            }
            break;
        }
        const ScriptLine& line = content.line(number);
        if (!found && content.isTextOrCommand(number)) {
            stepPointer_ = number;
            found = true;
        }
        if (line.kind == LineKind::Text)
            step.addTextLine(line.text);
        else if (line.kind == LineKind::Command)
            lineCommands_.run(line, step);
        // A separator ends the step only once the step has begun: leading separators are
        // passed over, so a step cut by the line limit never leaves an empty step behind.
        if (found && isSeparator(line.kind) && content.isTextOrCommand(number + 1))
            done = true;
        if (lineLimit > 0 && step.taken >= lineLimit)
            done = true;
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

// Groups lines exactly as collectStep does, reading no text and acting on no command.
void SteppingEngine::dryRunStep()
{
    const ScriptContent& content = script_.content();
    const int count = content.lineCount();
    const int lineLimit = settings_.integer(SettingKey::ShowTxtBreak);
    bool found = false;
    int taken = 0;
    for (;;) {
        const int number = ++dryRunCursor_;
        if (number > count) {
            if (!found) {
                dryRunCursor_ = count + 1;
                dryRunStart_ = count + 1;
            }
            return;
        }
        const ScriptLine& line = content.line(number);
        if (!found && content.isTextOrCommand(number)) {
            dryRunStart_ = number;
            found = true;
        }
        if (line.kind == LineKind::Text)
            ++taken;
        else if (line.command == Command::Cls)
            taken = 0;
        const bool separatorEnds = found && isSeparator(line.kind) && content.isTextOrCommand(number + 1);
        if (lineLimit > 0 && taken >= lineLimit)
            return;
        if (separatorEnds)
            return;
    }
}

void SteppingEngine::buildStepHistory()
{
    stepHistory_.clear();
    const int count = lineCount();
    while (dryRunCursor_ < count + 1) {
        dryRunStep();
        if (dryRunStart_ >= 1 && dryRunStart_ <= count)
            stepHistory_.push_back(dryRunStart_);
    }
}

void SteppingEngine::show(const QString& text)
{
    ports_.display.showText(text);
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

void SteppingEngine::clearPendingFlags()
{
    staging_.display.pending = false;
    staging_.sub.pending = false;
    staging_.music.pending = false;
}

void SteppingEngine::unloadScriptWindows()
{
    ports_.windows.unloadMusicPanel();
    for (int id = kSubDisplayCount - 1; id >= 0; --id)
        ports_.windows.unloadSubDisplay(id);
}

void SteppingEngine::leaveScriptIfOutside()
{
    if (stepPointer_ >= 1 && stepPointer_ <= lineCount())
        return;
    lineCommands_.stageDisplayReset();
    unloadScriptWindows();
}

void SteppingEngine::applyStagedCommands(Move move)
{
    if (staging_.display.pending) {
        ports_.displayCommands.check();
        ports_.displayCommands.apply();
        ports_.displayCommands.clear();
    }
    if (move == Move::Backward) {
        ports_.windows.hideMusicPanel();
        for (int id = kSubDisplayCount - 1; id >= 0; --id)
            ports_.windows.hideSubDisplay(id);
    }
    if (staging_.sub.pending) {
        ports_.subCommands.check();
        ports_.subCommands.apply();
        ports_.subCommands.clear();
    }
    if (staging_.music.pending) {
        ports_.musicCommands.check();
        ports_.musicCommands.apply();
        ports_.musicCommands.clear();
    }
    if (staging_.sub.pending || staging_.music.pending) {
        ports_.windows.restoreDisplayWindow();
        ports_.windows.restoreController();
    }
    clearPendingFlags();
}

void SteppingEngine::putStepOnClipboard()
{
    stepClipText_ = tokens_.subClipText() + stepClipText_;
    if (!stepClipText_.isEmpty() && clipSwitch_ > 0)
        ports_.clipboard.putClipboard(stepClipText_);
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

void SteppingEngine::next()
{
    if (!acceptButtonWait())
        return;
    stepForward();
    putStepOnClipboard();
}

void SteppingEngine::nextWithoutClipboard()
{
    stepForward();
}

void SteppingEngine::back()
{
    if (!acceptButtonWait())
        return;
    if (stepBack())
        putStepOnClipboard();
}

void SteppingEngine::backWithoutClipboard()
{
    stepBack();
}

void SteppingEngine::goToEnd(int pointer, const QString& text)
{
    ports_.displayCommands.leaveShelter();
    scanCursor_ = pointer;
    stepPointer_ = pointer;
    show(text);
    // The reset is applied at once and not kept for the next step, which would otherwise
    // apply it again together with its own commands.
    lineCommands_.stageDisplayReset();
    ports_.displayCommands.apply();
    ports_.displayCommands.clear();
    unloadScriptWindows();
    clearPendingFlags();
}

void SteppingEngine::top()
{
    goToEnd(0, script_.content().header);
}

void SteppingEngine::bottom()
{
    goToEnd(lineCount() + 1, script_.content().footer);
}

} // namespace qc
