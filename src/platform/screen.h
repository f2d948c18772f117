#pragma once

namespace qc {

// The primary screen, measured in twips (1440 per inch). Asked afresh on every call:
// the operator may change the resolution while the program runs.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
    // Twips per logical pixel of the primary screen (15 at 96 DPI).
    virtual double twipsPerPixel() const = 0;
    // Whether windows can be placed and their places read (not on a native Wayland session,
    // where the compositor decides where windows go).
    virtual bool placesWork() const = 0;
};

} // namespace qc
