#pragma once

namespace qc {

// Flags every operator window's handlers consult.
struct WindowFlags {
    // Set by a quit action just before the main window closes: the closing handlers of the
    // presentation windows then end the program instead of bringing the main window back.
    bool quitting = false;
    bool firstRun = false;      // windows are loaded unseen to measure them: handlers do nothing
    bool hiddenToTray = false;  // an operator window was minimised into the tray icon
    bool trayLocked = false;    // the main window is away for a dialog or a load
    bool trayIconAdded = false; // the tray icon is there to bring windows back
};

} // namespace qc
