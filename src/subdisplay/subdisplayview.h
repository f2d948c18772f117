#pragma once

#include "windows/window.h"

#include <QString>

namespace qc {

enum class SubLabel { Text, Caption };

struct TwipSize {
    int width = 0;
    int height = 0;
};

// A picture as the hidden loader holds it at its natural size.
struct LoadedPicture {
    TwipSize natural;   // the loader's inner size: the picture's own pixels in twips
    TwipSize himetric;  // the picture's own size in 0.01 mm
    TwipSize outer;     // the loader's outer size (its inner size: it has no border)
};

struct LabelFont {
    QString face;
    int points = 20;
    bool bold = false;
    bool italic = false;
};

// A sub display window as its handlers see it: the window, the picture area `picSubPicture`,
// the hidden loader `picSubPictureLoad` and the two self-sizing labels `lblText` and
// `lblCaption`. Places inside the window are client twips. Nothing here runs a handler: the
// logic runs its own after each change, as the window would.
class SubDisplayView {
public:
    virtual ~SubDisplayView() = default;

    // The window's outer frame.
    virtual WindowRect rect() const = 0;
    virtual void moveTo(int left, int top) = 0;
    virtual void resizeTo(int width, int height) = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void hideWindow() = 0;
    virtual void setTitle(const QString& title) = 0;
    // The window's and the picture area's background, RRGGBB.
    virtual void setBackColor(const QString& rgb) = 0;

    virtual WindowRect pictureArea() const = 0;
    virtual void placePictureArea(const WindowRect& rect) = 0;
    virtual void setPictureAreaVisible(bool visible) = 0;
    // Draws the loaded picture into the picture area at its top-left corner, scaled smoothly to
    // the size given, mirrored left to right when asked.
    virtual void drawPicture(TwipSize size, bool mirrored) = 0;
    // Empties the picture area.
    virtual void clearPictureArea() = 0;

    // Loads a picture file into the hidden loader; "" empties it. False when the file cannot
    // be read or decoded (the loader is then empty).
    virtual bool loadPicture(const QString& path) = 0;
    virtual LoadedPicture loadedPicture() const = 0;

    virtual void setLabelText(SubLabel label, const QString& text) = 0;
    virtual void setLabelFont(SubLabel label, const LabelFont& font) = 0;
    // RRGGBB
    virtual void setLabelColor(SubLabel label, const QString& rgb) = 0;
    // The label's size, fitted to its text and font at once.
    virtual TwipSize labelSize(SubLabel label) const = 0;
    virtual void placeLabel(SubLabel label, int left, int top) = 0;
    virtual void setLabelVisible(SubLabel label, bool visible) = 0;
};

} // namespace qc
