#pragma once

#include "windows/window.h"

#include <QString>

namespace qc {

// The music panel window as its handlers see it. Colours are RRGGBB. Nothing here runs a
// handler: the logic runs its own after each change, as the window would.
class MusicPanelView {
public:
    virtual ~MusicPanelView() = default;

    // The window's outer frame.
    virtual WindowRect rect() const = 0;
    virtual void moveTo(int left, int top) = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void hideWindow() = 0;
    virtual void setTitle(const QString& title) = 0;

    // `chkMusicTop`, `chkMusicRepeat`.
    virtual void setTopChecked(bool checked) = 0;
    virtual void setRepeatChecked(bool checked) = 0;
    // `lblMusicVolumePercent`, `lblMusicChannel`.
    virtual void setVolumeText(const QString& text) = 0;
    virtual void setChannelText(const QString& text) = 0;
    // `lblMusic`, the play-state strip.
    virtual void setPlayStripColor(const QString& rgb) = 0;
    virtual void setPlayStripVisible(bool visible) = 0;
    // `lblMusic0` .. `lblMusic3`, the position bar's quarters.
    virtual void setSegmentColor(int segment, const QString& rgb) = 0;
    virtual void setSegmentsVisible(bool visible) = 0;
    // `txtMusicPositionMove`.
    virtual QString positionEntry() const = 0;
    virtual void setPositionEntry(const QString& text) = 0;
    // `lblSound`: a sound effect is set.
    virtual void setSoundMarkVisible(bool visible) = 0;
};

} // namespace qc
