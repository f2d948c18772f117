#pragma once

#include "presentation/stepobserver.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace qc {

class Script;
class Settings;

// What the remote control tells: the presentation as the operator sees it.
struct RemoteState {
    int pointer = 0;
    int lines = 0;
    QString title;
    QString display;                 // line breaks as "\n"
    std::optional<QString> clipboard; // the last text put on the clipboard
    bool running = false;
    DisplayLook look;
};

QByteArray stateJson(const RemoteState& state);

// Follows the presentation and keeps its state for the remote control; tells `changed` once
// after every step (with the look it changed), run start and run end. Between runs the
// display shows nothing, and the look is the one the next run opens with.
class RemoteStateTracker : public StepObserver {
public:
    RemoteStateTracker(const Script& script, const Settings& settings, const DisplayLook& runLook);

    RemoteState state() const;
    void setChangeHandler(std::function<void()> changed) { changed_ = std::move(changed); }

    void runStarted() override;
    void runEnded() override;
    void stepTaken(const StepReport& report) override;
    void lookChanged(const DisplayLook& look) override;

private:
    void tell();

    const Script& script_;
    const Settings& settings_;
    const DisplayLook& runLook_;
    std::function<void()> changed_;
    bool running_ = false;
    int pointer_ = 0;
    QString display_;
    std::optional<QString> clipboard_;
};

} // namespace qc
