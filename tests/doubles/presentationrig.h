#pragma once

#include "platform/steppedtimers.h"
#include "presentation/displaywindowlogic.h"
#include "script/script.h"
#include "shell/presentationcore.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakedisplayport.h"
#include "doubles/fakefiles.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/fakeservices.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingmediadevice.h"
#include "doubles/recordingmessagebox.h"

namespace qc::test {

// The presentation put together over test doubles as the program puts it together: a script
// held in memory, the window manager over fake windows, the display window host, the desktop
// clipboard recorded.
struct PresentationRig {
    explicit PresentationRig(const QStringList& scriptLines)
    {
        files.put(QStringLiteral("/show/s.txt"), scriptLines);
        script.setLocation(ScriptLocation::ofPath(QStringLiteral("/show/s.txt")));
        script.load();
    }

    // Stages a display command line, as the step that met it would.
    void stageDisplay(const QString& line)
    {
        displayCommands.stage({line, LineKind::Command, line.contains(u'=') ? Command::Set : Command::Reset});
    }

    // Next or Back, and the button wait after it.
    void nextAndPause()
    {
        engine.next();
        timers.tickAll();
        timers.tickAll();
    }
    void backAndPause()
    {
        engine.back();
        timers.tickAll();
        timers.tickAll();
    }

    QStringList log;
    FakeFiles files;
    RecordingMessageBox messages;
    Script script{files, files, messages};
    Settings settings = defaultSettings();
    FakeScreen screen{15360, 11520};
    FakeFontProbe fonts;
    FakePictures pictures;
    RecordingMediaDevice media;
    RecordingWaveSound waves;
    FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    WindowManager windows{registry, records, settings, screen};
    WindowFlags flags;
    RecordingDesktopClipboard clipboard;
    RecordingShellOpen shell;
    DisplayWindowHost host{{[] {}, [this] { log << QStringLiteral("focusController"); }}};
    FakeControllerPlace controllerPlace;
    SteppedTimers timers;
    PresentationCore presentation{
        {script, settings, timers, screen, fonts, files, pictures, clipboard, media, waves, host, host, controllerPlace,
         windows, windows, windows, windows}};
    SteppingEngine& engine = presentation.engine();
    DisplayCommands& displayCommands = presentation.displayCommands();
};

} // namespace qc::test
