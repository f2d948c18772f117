#pragma once

#include "music/mediacommands.h"
#include "music/musiccommands.h"
#include "music/musicengine.h"
#include "music/musicpanelhost.h"
#include "presentation/clipboardoutput.h"
#include "presentation/displaycommands.h"
#include "presentation/linecommands.h"
#include "presentation/lookreporter.h"
#include "presentation/stepobserver.h"
#include "presentation/steppingengine.h"
#include "script/cliptokens.h"
#include "subdisplay/subdisplaycommands.h"
#include "subdisplay/subdisplayhost.h"

namespace qc {

class Clipboard;
class ControllerPlace;
class DisplayPort;
class FileExistence;
class FontProbe;
class MediaDevice;
class MusicPanelWindows;
class Pictures;
class PresentationWindows;
class Screen;
class Script;
class Settings;
class ShowStates;
class StepDisplay;
class SubDisplayWindows;
class Timers;
class WaveSound;

// What the presentation reaches outside itself: the script and the settings it reads, and
// the desktop and the windows it drives.
struct PresentationServices {
    Script& script;
    const Settings& settings;
    Timers& timers;
    const Screen& screen;
    const FontProbe& fonts;
    const FileExistence& files;
    const Pictures& pictures;
    Clipboard& clipboard;
    MediaDevice& mediaDevice;
    WaveSound& waveSound;
    StepDisplay& stepDisplay;    // the display window's text
    DisplayPort& displayPort;    // the display window's look and place
    const ControllerPlace& controllerPlace;
    PresentationWindows& windows;
    SubDisplayWindows& subDisplayWindows;
    MusicPanelWindows& musicPanelWindows;
    const ShowStates& showStates;
};

// The presentation put together, the one way the program, the preview, the tests and the
// benchmarks all build it: the clip tokens, the command families in their fixed order
// (display, sub displays, music), the line commands, the stepping engine, and the music
// engine over the media command layer.
class PresentationCore {
public:
    explicit PresentationCore(PresentationServices services);

    PresentationCore(const PresentationCore&) = delete;
    PresentationCore& operator=(const PresentationCore&) = delete;

    SteppingEngine& engine() { return engine_; }
    StepOperator& stepOperator() { return engine_; }
    DisplayCommands& displayCommands() { return displayCommands_; }
    SubDisplayCommands& subDisplayCommands() { return subDisplayCommands_; }
    // The sub display windows attach here when they load.
    SubDisplayHost& subDisplays() { return subDisplays_; }
    MusicCommands& musicCommands() { return musicCommands_; }
    // The music panel attaches here when it loads.
    MusicPanelHost& musicPanel() { return musicPanel_; }
    MusicEngine& musicEngine() { return musicEngine_; }
    StepClipboard& clipboard() { return clipboardOutput_; }
    const DisplayLook& look() const { return lookReporter_.look(); }

    // Told of every run start, run end, step and look change, in the order they subscribed.
    void subscribe(StepObserver& observer) { observers_.subscribe(observer); }
    void unsubscribe(const StepObserver& observer) { observers_.unsubscribe(observer); }

private:
    StepObservers observers_;
    ClipTokens tokens_;
    MediaCommands media_;
    MusicEngine musicEngine_;
    SubDisplayHost subDisplays_;
    MusicPanelHost musicPanel_;
    LookReporter lookReporter_;
    DisplayCommands displayCommands_;
    SubDisplayCommands subDisplayCommands_;
    MusicCommands musicCommands_;
    LineCommands lineCommands_;
    ClipboardOutput clipboardOutput_;
    SteppingEngine engine_;
};

} // namespace qc
