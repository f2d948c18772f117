#pragma once

namespace qc {

// The tray icon and the task timer that keeps it fresh, as the program turns them on (at
// start-up and on the settings dialog's OK with the tray setting on) and off (at the end and
// on OK with the setting off).
class TaskTray {
public:
    virtual ~TaskTray() = default;
    // Starts the task timer of the refresh mode in the settings with a fresh 60-minute count,
    // and puts the icon in the tray when it is not there.
    virtual void start() = 0;
    // Stops the task timer of the refresh mode in the settings and takes the icon away.
    virtual void stop() = 0;
};

} // namespace qc
