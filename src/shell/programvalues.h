#pragma once

#include <QString>

namespace qc {

// The program-wide values fixed at start-up, and the quit request.
struct ProgramValues {
    QString programFolder;      // ends in "/"
    QString settingsFilePath;
    QString osVersion = QStringLiteral("0.000");
    // Set by a quit action just before the main window closes: the closing handlers of the
    // presentation windows then end the program instead of bringing the main window back.
    bool quitting = false;
};

// Flags the operator windows share.
struct WindowFlags {
    bool firstRun = false;      // windows are loaded unseen to measure them: handlers do nothing
    bool hiddenToTray = false;  // an operator window was minimised into the tray icon
    bool trayLocked = false;    // the main window is away for a dialog or a load
    bool trayIconAdded = false; // the tray icon is there to bring windows back
};

} // namespace qc
