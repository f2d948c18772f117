#pragma once

#include "presentation/linecommands.h"
#include "presentation/steppingengine.h"
#include "script/cliptokens.h"
#include "script/script.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakefiles.h"
#include "platform/steppedtimers.h"
#include "doubles/recordingmessagebox.h"
#include "doubles/recordingstepports.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc::test {

// A stepping engine over a script held in memory, with every port and command family recorded.
class EngineFixture : public ::testing::Test {
protected:
    EngineFixture()
    {
        script.setClearedHandler([this] { engine.forgetStepHistory(); });
    }

    // Loads the lines as the script and opens a controller.
    void start(const QStringList& lines, const QStringList& settingLines = {}, bool fullController = true)
    {
        settings = defaultSettings(settingLines);
        files.put(QStringLiteral("/show/script.txt"), lines);
        script.setLocation(ScriptLocation::ofPath(QStringLiteral("/show/script.txt")));
        script.load();
        controller = std::make_unique<RecordingController>(log, fullController);
        engine.startRun(*controller);
        log.clear();
    }

    // Lets the button wait run out, as an operator's pause between presses does.
    void pause()
    {
        timers.tickAll();
        timers.tickAll();
    }

    void nextAndPause()
    {
        engine.next();
        pause();
    }

    void backAndPause()
    {
        engine.back();
        pause();
    }

    void jump(const QString& text)
    {
        controller->jump = text;
        nextAndPause();
    }

    QString lastClip() const { return clipboard.puts.isEmpty() ? QString() : clipboard.puts.last(); }

    QStringList log;
    FakeFiles files;
    RecordingMessageBox messages;
    Script script{files, files, messages};
    Settings settings = defaultSettings();
    ClipTokens tokens;
    RecordingWindows windows{log};
    RecordingDisplay display{log};
    RecordingFamily displayCommands{log, QStringLiteral("display"), Command::Set, Command::Reset};
    RecordingFamily subCommands{log, QStringLiteral("sub"), Command::SubSet, Command::SubReset};
    RecordingFamily musicCommands{log, QStringLiteral("music"), Command::MusicSet, Command::MusicReset};
    LineCommands lineCommands{{&displayCommands, &subCommands, &musicCommands}};
    RecordingClipboard clipboard{log};
    RecordingObserver observer;
    SteppedTimers timers;
    SteppingEngine engine{script,
                          settings,
                          tokens,
                          lineCommands,
                          SteppingPorts{display, displayCommands, {&subCommands, &musicCommands}, windows, clipboard,
                                        observer},
                          timers};
    std::unique_ptr<RecordingController> controller;
};

} // namespace qc::test
