#pragma once

#include "presentation/staging.h"
#include "presentation/steppingports.h"
#include "script/cliptokens.h"

#include <QStringList>

#include <functional>

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
    RecordingController(QStringList& log, bool full) : log_(log), full_(full) {}
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
    QStringList& log_;
    bool full_;
};

// A command family: logs its calls, keeps what was staged when it applied, and empties its
// table on clear as the real families do.
class RecordingCommands : public DisplayCommandsPort {
public:
    RecordingCommands(QStringList& log, QString name, std::function<void()> onApply,
                      std::function<void()> onClear)
        : log_(log), name_(std::move(name)), onApply_(std::move(onApply)), onClear_(std::move(onClear))
    {
    }
    void check() override { log_ << name_ + QStringLiteral(".check"); }
    void apply() override
    {
        log_ << name_ + QStringLiteral(".apply");
        if (onApply_)
            onApply_();
    }
    void clear() override
    {
        log_ << name_ + QStringLiteral(".clear");
        if (onClear_)
            onClear_();
    }
    void refreshShelterRect() override { log_ << name_ + QStringLiteral(".refreshShelter"); }
    void followShelter() override { log_ << name_ + QStringLiteral(".followShelter"); }
    void leaveShelter() override { log_ << name_ + QStringLiteral(".leaveShelter"); }

private:
    QStringList& log_;
    QString name_;
    std::function<void()> onApply_;
    std::function<void()> onClear_;
};

class RecordingWindows : public PresentationWindows, public ShowStates {
public:
    explicit RecordingWindows(QStringList& log) : log_(log) {}
    void unloadMusicPanel() override { log_ << QStringLiteral("unloadMusicPanel"); }
    void hideMusicPanel() override { log_ << QStringLiteral("hideMusicPanel"); }
    void unloadSubDisplay(int id) override { log_ << QStringLiteral("unloadSub%1").arg(id); }
    void hideSubDisplay(int id) override { log_ << QStringLiteral("hideSub%1").arg(id); }
    void restoreDisplayWindow() override { log_ << QStringLiteral("restoreDisplay"); }
    void restoreController() override { log_ << QStringLiteral("restoreController"); }

    int subShowState(int id) const override { return subStates[std::size_t(id)]; }
    int panelShowState() const override { return panelState; }

    std::array<int, kSubDisplayCount> subStates{};
    int panelState = 0;

private:
    QStringList& log_;
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
