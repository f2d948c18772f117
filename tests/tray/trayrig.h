#pragma once

#include "platform/steppedtimers.h"
#include "settings/settings.h"
#include "tray/tasktimers.h"
#include "tray/trayicon.h"
#include "tray/traymessages.h"
#include "tray/traywindow.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakeclock.h"
#include "doubles/faketray.h"
#include "doubles/fakescreen.h"
#include "doubles/fakewindows.h"

#include <memory>

namespace qc::test {

// The tray as the program puts it together: the tray window loads and unloads through the
// window manager and adds and removes the icon as it does.
struct TrayRig {
    TrayRig()
    {
        loader.onLoad[QStringLiteral("frmTk00")] = [this] { trayWindow = std::make_unique<TrayWindow>(icon); };
        loader.onClose[QStringLiteral("frmTk00")] = [this] {
            if (trayWindow)
                trayWindow->runCloseHandlers();
            trayWindow.reset();
        };
    }

    void useTray(int refreshMode)
    {
        settings.setInteger(SettingKey::TaskUse, 1);
        settings.setInteger(SettingKey::TaskRefresh, std::int16_t(refreshMode));
    }
    // One tick of the task timers, a minute later on the clock.
    void minuteLater()
    {
        clock.set(clock.localTime().addSecs(60));
        timers.tickAll();
    }
    bool anyTimerRunning() const
    {
        for (const auto* timer : timers.timers()) {
            if (timer->isEnabled())
                return true;
        }
        return false;
    }

    Settings settings = defaultSettings();
    FakeScreen screen{15360, 11520};
    FakeClock clock{QTime(10, 0, 0)};
    FakeTray tray;
    FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    WindowManager windows{registry, records, settings, screen};
    WindowFlags flags;
    SteppedTimers timers;
    TrayIcon icon{tray, flags};
    TaskTimers taskTimers{timers, clock, settings, windows, icon};
    TrayMessages messages{tray, settings, windows, flags, taskTimers};
    std::unique_ptr<TrayWindow> trayWindow;
};

} // namespace qc::test
