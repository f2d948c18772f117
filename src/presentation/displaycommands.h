#pragma once

#include "presentation/staging.h"
#include "presentation/steppingports.h"
#include "windows/window.h"

#include <functional>
#include <optional>

namespace qc {

class DisplayPort;
class FontProbe;
class Screen;
class Script;
class Settings;

// The controller in use, whose place the shelter follows.
class ControllerPlace {
public:
    virtual ~ControllerPlace() = default;
    virtual std::optional<WindowRect> controllerRect() const = 0;
};

inline constexpr int kShelterWidth = 2000;
inline constexpr int kShelterHeight = 1500;
inline constexpr int kDisplayMinWidth = 2000;
inline constexpr int kDisplayMinHeight = 1500;

// The display attribute commands: checks, applies and clears the staged display keys, and
// keeps the shelter, a small box beside the controller that the display window can be moved
// into and brought back from.
class DisplayCommands : public DisplayCommandsPort {
public:
    struct Parts {
        DisplayStaging& staging;
        const Settings& settings;
        const Script& script;
        DisplayPort& display;
        const ControllerPlace& controller;
        // The key "clip": sets the clip switch and shows it on the controller.
        std::function<void(int)> setClipSwitch;
    };

    DisplayCommands(Parts parts, const Screen& screen, const FontProbe& fonts);

    void check() override;
    void apply() override;
    void clear() override;
    void refreshShelterRect() override;
    void followShelter() override;
    void leaveShelter() override;
    // The display window unloaded.
    void forgetShelter();

    bool isSheltered() const { return savedRect_.has_value(); }
    // Where the sheltered window came from.
    const std::optional<WindowRect>& shelterSavedRect() const { return savedRect_; }
    const std::optional<WindowRect>& shelterRect() const { return shelterRect_; }

private:
    void moveDisplayTo(const WindowRect& rect);
    void applyShelter(const QString& value);
    void applyGeometry();

    Parts parts_;
    const Screen& screen_;
    const FontProbe& fonts_;
    std::optional<WindowRect> shelterRect_;
    std::optional<WindowRect> savedRect_;
};

} // namespace qc
