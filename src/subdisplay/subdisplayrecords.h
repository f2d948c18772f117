#pragma once

#include <QString>

#include <array>

namespace qc {

// Slots of the sub display keys, as the key-name table numbers them.
namespace subslot {
enum : std::size_t {
    Flag = 0,  // of a request: "1" when the window has anything to apply
    Id = 1,
    Show,
    PicFileName,
    Left,
    Top,
    Width,
    Height,
    BackColor,
    Text,
    Caption,
    ForeColor,
    CapForeColor,
    FontSize,
    CapFontSize,
    FontName,
    CapFontName,
    Bold,
    CapBold,
    Italic,
    CapItalic,
    Title,
    PicPercent,
    PicReverse,
};
} // namespace subslot

// What one step asks of one sub display, slot by key; "" is not asked.
using SubRequest = std::array<QString, 24>;

// What is in force on one sub display: picfilename, text, caption, title, picpercent and
// picreverse (the other attributes act every time they are given; the show state is the
// window manager's). Emptied when its window closes.
using SubApplied = std::array<QString, 24>;

// The sizes a sub display window keeps to fit its content, in twips; 0 is not set.
struct SubLayout {
    int pictureFrameWidth = 0;
    int pictureFrameHeight = 0;
    int textFrameWidth = 0;
    int textFrameHeight = 0;
    int captionFrameWidth = 0;
    int captionBandHeight = 0;
    int naturalWidth = 0;
    int naturalHeight = 0;
    int himetricWidth = 0;
    int himetricHeight = 0;
    int loaderWidth = 0;
    int loaderHeight = 0;
};

} // namespace qc
