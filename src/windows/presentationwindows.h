#pragma once

#include "windows/window.h"

#include <optional>

namespace qc {

// What the presentation asks of the window manager: the script-driven windows (sub displays
// and the music panel) and bringing the presentation back to the front.
class PresentationWindows {
public:
    virtual ~PresentationWindows() = default;
    // The music panel, then the sub displays from the last to the first.
    virtual void hideScriptWindows() = 0;
    virtual void unloadScriptWindows() = 0;
    virtual void restoreDisplayWindow() = 0;
    // The controller in use.
    virtual void restoreController() = 0;
};

// The sub displays 0..4, each as its recorded show state allows.
class SubDisplayWindows {
public:
    virtual ~SubDisplayWindows() = default;
    // Loads it unseen when it is not loaded.
    virtual void loadSubDisplay(int id) = 0;
    // Shows it and brings it to the front when it is loaded.
    virtual void showSubDisplay(int id) = 0;
    virtual void hideSubDisplay(int id) = 0;
    virtual void unloadSubDisplay(int id) = 0;
};

// The music panel, as its recorded show state allows.
class MusicPanelWindows {
public:
    virtual ~MusicPanelWindows() = default;
    // Loads it unseen when it is not loaded.
    virtual void loadMusicPanel() = 0;
    // Shows it and brings it to the front when it is loaded.
    virtual void showMusicPanel() = 0;
    virtual void hideMusicPanel() = 0;
    virtual void unloadMusicPanel() = 0;
};

// Recorded show states: 0 not loaded, 1 loaded and hidden, 2 shown.
class ShowStates {
public:
    virtual ~ShowStates() = default;
    virtual int subShowState(int id) const = 0;
    virtual int panelShowState() const = 0;
};

// The controller in use, whose place the display window's shelter follows.
class ControllerPlace {
public:
    virtual ~ControllerPlace() = default;
    virtual std::optional<WindowRect> controllerRect() const = 0;
};

} // namespace qc
