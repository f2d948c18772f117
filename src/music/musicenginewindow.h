#pragma once

#include "music/musicengine.h"
#include "windows/factorywindowloader.h"

namespace qc {

// frmMf00, the music engine as a window of the program, never shown: loading it (at start-up)
// loads the engine, unloading it (at shutdown) stops and closes the music.
class MusicEngineWindow : public FacelessWindow {
public:
    explicit MusicEngineWindow(MusicEngine& engine) : engine_(engine) { engine_.load(); }
    void runCloseHandlers() override { engine_.unload(); }

private:
    MusicEngine& engine_;
};

} // namespace qc
