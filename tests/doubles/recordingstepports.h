#pragma once

#include "presentation/stepobserver.h"
#include "presentation/steppingports.h"
#include "script/cliptokens.h"
#include "script/scripttables.h"
#include "windows/presentationwindows.h"
#include "windows/windownames.h"

#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace qc::test {

// Doubles of everything the stepping engine drives. They write every call into one shared
// log, so tests can check the order across them.

class RecordingDisplay : public StepDisplay {
public:
    explicit RecordingDisplay(QStringList& log) : log_(log) {}
    void showText(const QString& text) override
    {
        shown = text;
        log_ << QStringLiteral("display.show");
    }
    void returnFocusToController() override { log_ << QStringLiteral("display.focusAway"); }

    QString shown;

private:
    QStringList& log_;
};

class RecordingController : public StepController {
public:
    // Takes the shared log as the other doubles do, though nothing it is told needs logging.
    RecordingController(QStringList& /*log*/, bool full) : full_(full) {}
    void showPointer(int p) override { pointer = p; }
    void showTotal(int lineCount) override { total = lineCount; }
    bool hasJumpBox() const override { return full_; }
    QString jumpText() const override { return jump; }
    void clearJump() override { jump.clear(); }
    void showClipSwitch(int value) override { clipShown = value; }

    int pointer = -1;
    int total = -1;
    int clipShown = -1;
    QString jump;

private:
    bool full_;
};

// A command family: logs its calls, takes its own command lines as they come, keeps what was
// staged when it applied, and forgets it on clear as the real families do. "reset" stands
// for a staged display reset.
class RecordingFamily : public DisplayCommandsPort {
public:
    RecordingFamily(QStringList& log, QString name, Command setCommand, Command resetCommand)
        : DisplayCommandsPort(setCommand, resetCommand), log_(log), name_(std::move(name))
    {
    }
    void stageKeys(const QString& line) override { staged << line; }
    bool isPending() const override { return !staged.isEmpty(); }
    void check() override { log_ << name_ + QStringLiteral(".check"); }
    void apply() override
    {
        log_ << name_ + QStringLiteral(".apply");
        applied = staged;
        if (onApply)
            onApply();
    }
    void clear() override
    {
        log_ << name_ + QStringLiteral(".clear");
        staged.clear();
    }
    void stageReset() override
    {
        log_ << name_ + QStringLiteral(".stageReset");
        staged << QStringLiteral("reset");
    }
    void refreshShelterRect() override { log_ << name_ + QStringLiteral(".refreshShelter"); }
    void followShelter() override { log_ << name_ + QStringLiteral(".followShelter"); }
    void leaveShelter() override { log_ << name_ + QStringLiteral(".leaveShelter"); }

    QStringList staged;
    QStringList applied;
    std::function<void()> onApply;

private:
    QStringList& log_;
    QString name_;
};

class RecordingWindows : public PresentationWindows, public MusicPanelWindows, public ShowStates {
public:
    explicit RecordingWindows(QStringList& log) : log_(log) {}
    void loadMusicPanel() override { log_ << QStringLiteral("loadMusicPanel"); }
    void showMusicPanel() override { log_ << QStringLiteral("showMusicPanel"); }
    void hideMusicPanel() override { log_ << QStringLiteral("hideMusicPanel"); }
    void unloadMusicPanel() override { log_ << QStringLiteral("unloadMusicPanel"); }
    void hideScriptWindows() override { log_ << QStringLiteral("hideScriptWindows"); }
    void unloadScriptWindows() override { log_ << QStringLiteral("unloadScriptWindows"); }
    void restoreDisplayWindow() override { log_ << QStringLiteral("restoreDisplay"); }
    void restoreController() override { log_ << QStringLiteral("restoreController"); }

    int subShowState(int id) const override { return subStates[std::size_t(id)]; }
    int panelShowState() const override { return panelState; }

    std::array<int, kSubDisplayCount> subStates{};
    int panelState = 0;

private:
    QStringList& log_;
};

// Keeps every report, in order.
class RecordingObserver : public StepObserver {
public:
    void runStarted() override { events << QStringLiteral("runStarted"); }
    void runEnded() override { events << QStringLiteral("runEnded"); }
    void stepTaken(const StepReport& report) override { reports.push_back(report); }
    void lookChanged(const DisplayLook& look) override { looks.push_back(look); }

    QStringList events;
    std::vector<StepReport> reports;
    std::vector<DisplayLook> looks;
};

class RecordingClipboard : public StepClipboard {
public:
    explicit RecordingClipboard(QStringList& log) : log_(log) {}
    void putClipboard(const QString& text) override
    {
        puts << text;
        log_ << QStringLiteral("clipboard");
    }
    QStringList puts;

private:
    QStringList& log_;
};

} // namespace qc::test
