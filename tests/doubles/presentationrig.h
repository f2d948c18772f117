#pragma once

#include "platform/steppedtimers.h"
#include "presentation/displaycommands.h"
#include "presentation/displaywindowlogic.h"
#include "presentation/linecommands.h"
#include "presentation/steppingengine.h"
#include "script/cliptokens.h"
#include "script/script.h"
#include "shell/programvalues.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakedisplayport.h"
#include "doubles/fakefiles.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/fakeservices.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingmessagebox.h"
#include "doubles/recordingstepports.h"

namespace qc::test {

// The presentation's parts put together over test doubles: a script held in memory, the
// window manager over fake windows, the stepping engine with the display window host and the
// real display commands; the clipboard and the sub display and music families record into
// `log`.
struct PresentationRig {
    explicit PresentationRig(const QStringList& scriptLines)
    {
        files.put(QStringLiteral("/show/s.txt"), scriptLines);
        script.setLocation(ScriptLocation::ofPath(QStringLiteral("/show/s.txt")));
        script.load();
    }

    QStringList log;
    FakeFiles files;
    RecordingMessageBox messages;
    Script script{files, files, messages};
    Settings settings = defaultSettings();
    FakeScreen screen{15360, 11520};
    FakeFontProbe fonts;
    FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    WindowManager windows{registry, records, settings, screen};
    ProgramValues values;
    WindowFlags flags;
    ClipTokens tokens;
    CommandStaging staging;
    LineCommands lineCommands{staging, windows};
    RecordingClipboard clipboard{log};
    RecordingShellOpen shell;
    DisplayWindowHost host{{[] {}, [this] { log << QStringLiteral("focusController"); }}};
    FakeControllerPlace controllerPlace;
    DisplayCommands displayCommands{{staging.display, settings, script, host, controllerPlace,
                                     [this](int v) { engine.applyClipSwitch(v); }},
                                    screen, fonts};
    RecordingCommands subCommands{log, QStringLiteral("sub"), nullptr, nullptr};
    RecordingCommands musicCommands{log, QStringLiteral("music"), nullptr, nullptr};
    SteppedTimers timers;
    SteppingEngine engine{script, settings, tokens, staging, lineCommands,
                          SteppingPorts{host, displayCommands, subCommands, musicCommands, windows, clipboard}, timers};
};

} // namespace qc::test
