#pragma once

#include "presentation/voicesoftware.h"
#include "script/script.h"
#include "shell/mainwindowlogic.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakefiles.h"
#include "doubles/fakescreen.h"
#include "doubles/fakeservices.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingmessagebox.h"

namespace qc::test {

// What the main window works with, over test doubles; `mainParts` and `mainServices` are
// what the main window is given.
struct ShellRig {
    MainWindowLogic::Parts mainParts() { return {settings, script, windows, flags, voice}; }
    MainWindowLogic::Services mainServices() { return {dialogs, screen, [this] { ++shutdowns; }}; }

    FakeFiles files;
    RecordingMessageBox messages;
    FakeScreen screen{15360, 11520};
    FakeWindowLoader loader;
    FakeCommonDialogs dialogs;
    RecordingShellOpen shell;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    Settings settings = defaultSettings();
    Script script{files, files, messages};
    WindowManager windows{registry, records, settings, screen};
    WindowFlags flags;
    VoiceSoftware voice{shell, messages, settings};
    int shutdowns = 0;
};

} // namespace qc::test
