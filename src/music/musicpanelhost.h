#pragma once

namespace qc {

class MusicPanelLogic;

// The music panel while it is loaded: it attaches itself when it loads and leaves when it
// closes, so the commands reach only a live panel.
class MusicPanelHost {
public:
    void attach(MusicPanelLogic& panel) { panel_ = &panel; }
    void detach() { panel_ = nullptr; }
    MusicPanelLogic* panel() const { return panel_; }

private:
    MusicPanelLogic* panel_ = nullptr;
};

} // namespace qc
