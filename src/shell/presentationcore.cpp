#include "shell/presentationcore.h"

#include "script/script.h"

namespace qc {

PresentationCore::PresentationCore(PresentationServices services)
    : media_(services.mediaDevice, services.waveSound),
      musicEngine_(media_, services.timers, services.files),
      lookReporter_(services.displayPort, services.settings, observers_),
      displayCommands_({services.settings, services.script, lookReporter_, services.controllerPlace,
                        [this](int value) { engine_.applyClipSwitch(value); }},
                       services.screen, services.fonts),
      subDisplayCommands_({services.script, services.settings, tokens_, services.showStates,
                           services.subDisplayWindows, subDisplays_},
                          {services.screen, services.fonts, services.files, services.pictures}),
      musicCommands_({services.script, services.showStates, services.musicPanelWindows, musicPanel_, musicEngine_},
                     services.screen, services.files),
      lineCommands_({&displayCommands_, &subDisplayCommands_, &musicCommands_}),
      clipboardOutput_(services.clipboard, services.settings),
      engine_(services.script, services.settings, tokens_, lineCommands_,
              {services.stepDisplay, displayCommands_, {&subDisplayCommands_, &musicCommands_}, services.windows,
               clipboardOutput_, observers_},
              services.timers)
{
    services.script.setClearedHandler([this] { engine_.forgetStepHistory(); });
    // The look starts from the settings at each run before anyone else hears of the run.
    observers_.subscribe(lookReporter_);
}

} // namespace qc
