#include "tray/tasktimers.h"

#include "platform/timers.h"
#include "script/clocktext.h"
#include "script/numbers.h"
#include "settings/settings.h"
#include "tray/trayicon.h"
#include "windows/windowmanager.h"

namespace qc {

namespace {

constexpr int kMinuteMs = 60000;
constexpr int kRestartMs = 2000;
constexpr int kCountMinutes = 60;
constexpr double kLongestGapMinutes = 65;

constexpr int kRefreshMode = 1;
constexpr int kRepeatMode = 2;

} // namespace

TaskTimers::TaskTimers(Timers& timers, const Clock& clock, const Settings& settings, WindowManager& windows,
                       TrayIcon& icon)
    : clock_(clock), settings_(settings), windows_(windows), icon_(icon),
      refresh_(timers.create(kMinuteMs, [this] { refreshTick(); })),
      repeat_(timers.create(kMinuteMs, [this] { repeatTick(); })),
      restart_(timers.create(kRestartMs, [this] { restartTick(); }))
{
}

TaskTimers::~TaskTimers() = default;

int TaskTimers::refreshMode() const
{
    return settings_.integer(SettingKey::TaskRefresh);
}

bool TaskTimers::inMode(int mode) const
{
    return settings_.integer(SettingKey::TaskUse) > 0 && refreshMode() == mode;
}

void TaskTimers::restartCount()
{
    minutesLeft_ = kCountMinutes;
    startTime_ = clockText(clock_);
}

void TaskTimers::clearCount()
{
    minutesLeft_ = 0;
    startTime_.clear();
}

void TaskTimers::start()
{
    if (refreshMode() == kRefreshMode || refreshMode() == kRepeatMode) {
        restartCount();
        (refreshMode() == kRefreshMode ? refresh_ : repeat_)->setEnabled(true);
    }
    windows_.loadTrayWindow();
}

void TaskTimers::stop()
{
    if (refreshMode() == kRefreshMode || refreshMode() == kRepeatMode) {
        clearCount();
        (refreshMode() == kRefreshMode ? refresh_ : repeat_)->setEnabled(false);
    }
    windows_.unloadTrayWindow();
}

void TaskTimers::shortenWait()
{
    if (refreshMode() > 0)
        minutesLeft_ = 1;
}

void TaskTimers::catchUpAfterAGap()
{
    const QString minutes = minutesSinceClock(startTime_, clock_);
    if (!minutes.isEmpty() && numberOfText(minutes) > kLongestGapMinutes)
        minutesLeft_ = 1;
}

void TaskTimers::refreshTick()
{
    if (!inMode(kRefreshMode)) {
        clearCount();
        refresh_->setEnabled(false);
        return;
    }
    catchUpAfterAGap();
    if (minutesLeft_ < 2) {
        restartCount();
        icon_.refresh();
    } else {
        --minutesLeft_;
    }
}

void TaskTimers::repeatTick()
{
    if (!inMode(kRepeatMode)) {
        clearCount();
        repeat_->setEnabled(false);
        return;
    }
    catchUpAfterAGap();
    if (minutesLeft_ < 2) {
        clearCount();
        repeat_->setEnabled(false);
        restart_->setEnabled(true);
        windows_.unloadTrayWindow();
    } else {
        --minutesLeft_;
    }
}

void TaskTimers::restartTick()
{
    restart_->setEnabled(false);
    if (!inMode(kRepeatMode))
        return;
    restartCount();
    repeat_->setEnabled(true);
    windows_.loadTrayWindow();
}

} // namespace qc
