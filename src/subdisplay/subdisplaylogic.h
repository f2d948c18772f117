#pragma once

#include "subdisplay/subdisplayrecords.h"
#include "subdisplay/subdisplayview.h"

#include <QString>

namespace qc {

class Screen;
class Settings;
class SubDisplayHost;
class WindowManager;
struct WindowFlags;

// The default title of sub display `id` ("サブ表示０" ... "サブ表示４").
QString subDisplayTitle(int id);

// frmSb00 ... frmSb04: one sub display window's rules. Its layout keeps the picture and the
// text centred above the caption band, the window between 2000 x 1500 twips and 95 % of the
// screen; its layout record tracks the sizes that fit the picture, the text and the caption.
// The commands reach it through the operations below; every change runs the handler the
// window would run, at once.
class SubDisplayLogic {
public:
    struct Parts {
        int id;
        const Settings& settings;
        WindowManager& windows;
        WindowFlags& flags;
        SubRequest& request;  // the pending request of this sub display
        SubApplied& applied;
        SubDisplayHost& host;
    };

    SubDisplayLogic(SubDisplayView& view, Parts parts, const Screen& screen);

    int id() const { return parts_.id; }

    // Window events.
    void onLoad();
    void onResize();
    void onQueryUnload();
    void onUnload();
    // A click on the window, the text or the picture: back to the natural size.
    void onClick();
    // A click on the caption: back onto the screen.
    void onCaptionClick();
    bool onKeyPress(QChar key);

    // The window's natural size: what fits the picture, the text and the caption.
    int subDisplayWidth() const;
    int subDisplayHeight() const;
    // Sets the window's size and runs its layout.
    void resizeWindow(int width, int height);
    void setWidth(int width);
    void setHeight(int height);
    void moveTo(int left, int top);
    WindowRect rect() const { return view_.rect(); }
    // Forces a layout pass even when the size stays.
    void nudge();
    // Back to the natural size and onto the screen.
    void fit();

    // The picture: the hidden loader, the drawing, and the change notice (`txtSubPictureChange`:
    // any text but "0" runs pictureAreaChanged once).
    void loadPicture(const QString& path);
    void drawPicture(double percent, bool mirrored);
    void setPictureChange(const QString& text);
    // No picture: the area empty, back to 2000 x 1500.
    void removePicture();
    WindowRect pictureArea() const { return view_.pictureArea(); }
    void placePictureArea(const WindowRect& rect) { view_.placePictureArea(rect); }

    // The two labels; setting a text runs the label's change handler.
    void setLabelText(SubLabel label, const QString& text);
    const LabelFont& labelFont(SubLabel label) const
    {
        return label == SubLabel::Text ? textFont_ : captionFont_;
    }
    void setLabelFont(SubLabel label, const LabelFont& font);
    void setLabelColor(SubLabel label, const QString& rgb) { view_.setLabelColor(label, rgb); }
    TwipSize labelSize(SubLabel label) const { return view_.labelSize(label); }

    void setBackColor(const QString& rgb) { view_.setBackColor(rgb); }
    void setTitle(const QString& title) { view_.setTitle(title); }

    SubLayout& layout() { return layout_; }
    const SubLayout& layout() const { return layout_; }

private:
    int maxWidth() const;
    int maxHeight() const;
    int winTuneWidth() const;
    int winTuneHeight() const;
    void pictureAreaChanged();
    void textChanged();
    void captionChanged();
    void loaderChanged();
    void keepOnScreen();

    SubDisplayView& view_;
    Parts parts_;
    const Screen& screen_;
    SubLayout layout_;
    LabelFont textFont_;
    LabelFont captionFont_;
    QString shownText_;
    QString shownCaption_;
};

} // namespace qc
