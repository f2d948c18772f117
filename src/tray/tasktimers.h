#pragma once

#include "tray/tasktray.h"

#include <QString>

#include <memory>

namespace qc {

class Clock;
class Settings;
class Timer;
class Timers;
class TrayIcon;
class WindowManager;

// The task timers of frmCk00 that keep the tray icon alive on desktops that drop it: with
// refresh mode 1 the icon is put up again every 60 minutes, with mode 2 it is taken away every
// 60 minutes and added again 2 seconds later. The count is kept in minutes, one tick a minute,
// and checked against the clock, so a machine that slept acts at its first tick.
class TaskTimers : public TaskTray {
public:
    TaskTimers(Timers& timers, const Clock& clock, const Settings& settings, WindowManager& windows, TrayIcon& icon);
    ~TaskTimers() override;

    void start() override;
    void stop() override;
    // A window came back from the tray: the running timer acts at its next tick.
    void shortenWait();

    int minutesLeft() const { return minutesLeft_; }
    const QString& startTime() const { return startTime_; }

private:
    int refreshMode() const;
    bool inMode(int mode) const;
    void restartCount();
    void clearCount();
    // More than 65 minutes by the clock since the count started: act at once.
    void catchUpAfterAGap();
    void refreshTick();
    void repeatTick();
    void restartTick();

    const Clock& clock_;
    const Settings& settings_;
    WindowManager& windows_;
    TrayIcon& icon_;
    std::unique_ptr<Timer> refresh_;
    std::unique_ptr<Timer> repeat_;
    std::unique_ptr<Timer> restart_;
    int minutesLeft_ = 0;
    QString startTime_;
};

} // namespace qc
