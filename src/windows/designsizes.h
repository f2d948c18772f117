#pragma once

#include "settings/settingsfile.h"

namespace qc {

// The client areas of the fixed-size windows as designed, in twips.
struct ClientSize {
    int width;
    int height;
};

inline constexpr ClientSize kMainWindowClient{5160, 2535};
inline constexpr ClientSize kControllerClient{9015, 960};
inline constexpr ClientSize kSimpleControllerClient{5295, 855};
inline constexpr ClientSize kSettingsDialogClient{9135, 5295};
inline constexpr ClientSize kAboutDialogClient{3720, 2295};
inline constexpr ClientSize kMusicPanelClient{3495, 1080};

// What a window frame adds around the client area before the window system reports its own:
// borders and a caption bar.
inline constexpr ClientSize kTypicalFrame{330, 660};

// Outer sizes of the operator windows as designed, for placing them before they were ever
// shown. The display window's size is the caller's.
inline OperatorWindowSizes designWindowSizes()
{
    OperatorWindowSizes sizes;
    sizes.mainWidth = kMainWindowClient.width + kTypicalFrame.width;
    sizes.mainHeight = kMainWindowClient.height + kTypicalFrame.height;
    sizes.controllerWidth = kControllerClient.width + kTypicalFrame.width;
    sizes.controllerHeight = kControllerClient.height + kTypicalFrame.height;
    sizes.dialogWidth = kSettingsDialogClient.width + kTypicalFrame.width;
    sizes.dialogHeight = kSettingsDialogClient.height + kTypicalFrame.height;
    return sizes;
}

} // namespace qc
