#pragma once

#include "doubles/scriptwindowsrig.h"

#include <utility>

namespace qc::test {

// The presentation with a music panel that loads through the window manager as the program's
// does (the real panel logic over a fake view), the music engine loaded as at start-up, and
// music files in the script's folder /show.
struct MusicRig : ScriptWindowsRig {
    explicit MusicRig(const QStringList& scriptLines) : ScriptWindowsRig(scriptLines)
    {
        for (const char* path : {"/show/bgm/a.mp3", "/show/bgm/b.ogg", "/show/c.mid", "/show/theme.MID",
                                 "/show/fx/ding.wav", "/show/fx/chime.wav", "/show/notes.txt"})
            files.put(QString::fromUtf8(path), {"x"});
        media.commands.clear();
    }

    MusicEngine& musicEngine() { return presentation.musicEngine(); }
    const MusicRecords& records() { return presentation.musicCommands().records(); }
    // The panel's view and logic; nullptr while it is not loaded.
    FakeMusicPanelView* view() { return panelView(); }
    MusicPanelLogic* panel() { return panelLogic(); }
    bool panelVisible() const { return loader.visible.contains(FakeMusicPanelView::name()); }
    int panelState() const { return windows.panelShowState(); }
    const MusicChannelState& channelState(int channel) { return musicEngine().channelState(channel); }
    QStringList takeCommands() { return std::exchange(media.commands, {}); }
};

} // namespace qc::test
