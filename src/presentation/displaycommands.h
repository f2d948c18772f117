#pragma once

#include "presentation/steppingports.h"
#include "windows/window.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace qc {

class ControllerPlace;
class DisplayPort;
class FontProbe;
class Screen;
class Script;
class Settings;

// The display keys a step's command lines staged. Values are texts as written; "" means not
// given and "reset" means back to the setting. Slots are the key-name table's, from 1.
struct DisplayStaging {
    std::array<QString, 14> values;  // slots 1..13
    QString anyKeySet;               // "1" when a checked value waits to be applied
    bool pending = false;            // the step met a display command
    bool geometryTouched = false;    // a staged left, top, width or height
};

inline constexpr int kShelterWidth = 2000;
inline constexpr int kShelterHeight = 1500;
inline constexpr int kDisplayMinWidth = 2000;
inline constexpr int kDisplayMinHeight = 1500;

// The display attribute commands: stages, checks, applies and clears the display keys, and
// keeps the shelter, a small box beside the controller that the display window can be moved
// into and brought back from.
class DisplayCommands : public DisplayCommandsPort {
public:
    struct Parts {
        const Settings& settings;
        const Script& script;
        DisplayPort& display;
        const ControllerPlace& controller;
        // The key "clip": sets the clip switch and shows it on the controller.
        std::function<void(int)> setClipSwitch;
    };

    DisplayCommands(Parts parts, const Screen& screen, const FontProbe& fonts);

    bool isPending() const override { return staging_.pending; }
    void check() override;
    void apply() override;
    void clear() override;
    // Every display attribute back to its setting.
    void stageReset() override;
    void refreshShelterRect() override;
    void followShelter() override;
    void leaveShelter() override;
    // The display window unloaded.
    void forgetShelter();

    // A script placed or sized the window during this presentation run.
    bool scriptPlacedWindow() const { return staging_.geometryTouched; }
    void forgetScriptPlace() { staging_.geometryTouched = false; }

    const DisplayStaging& staged() const { return staging_; }
    bool isSheltered() const { return savedRect_.has_value(); }
    // Where the sheltered window came from.
    const std::optional<WindowRect>& shelterSavedRect() const { return savedRect_; }
    const std::optional<WindowRect>& shelterRect() const { return shelterRect_; }

private:
    void moveDisplayTo(const WindowRect& rect);
    void applyShelter(const QString& value);
    void applyGeometry();
    void stageKeys(const QString& line) override;

    Parts parts_;
    DisplayStaging staging_;
    const Screen& screen_;
    const FontProbe& fonts_;
    std::optional<WindowRect> shelterRect_;
    std::optional<WindowRect> savedRect_;
};

} // namespace qc
