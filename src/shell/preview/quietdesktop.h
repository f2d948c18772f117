#pragma once

#include "platform/clipboard.h"
#include "platform/fontprobe.h"
#include "platform/messagebox.h"
#include "platform/mediadevice.h"
#include "platform/pictures.h"
#include "platform/screen.h"
#include "platform/wavesound.h"
#include "presentation/displayport.h"
#include "presentation/steppingports.h"
#include "settings/settingsfile.h"
#include "windows/presentationwindows.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace qc::preview {

// The desktop of the script preview: nothing is shown, played or copied; the report follows
// the steps themselves.

// A 1920 x 1080 screen at 96 DPI.
class QuietScreen : public Screen {
public:
    int widthTwips() const override { return 28800; }
    int heightTwips() const override { return 16200; }
    double twipsPerPixel() const override { return 15.0; }
    bool placesWork() const override { return true; }
};

// Every face counts as installed.
class QuietFontProbe : public FontProbe {
public:
    QString selectedFamily(const QString& requested) const override { return requested; }
};

// Messages are kept for the caller to report.
class QuietMessageBox : public MessageBox {
public:
    void show(const QString& text, const QString& /*title*/) override { messages << text; }
    QStringList messages;
};

// The operator windows as designed, for the first-run placement.
class QuietFirstRunWindows : public FirstRunWindows {
public:
    OperatorWindowSizes measure(int displayWidth, int displayHeight) override;
};

// The display window: its place is only remembered.
class QuietDisplay : public StepDisplay, public DisplayPort {
public:
    void showText(const QString&) override {}
    void returnFocusToController() override {}
    WindowRect rect() override { return place; }
    void moveTo(int left, int top) override
    {
        place.left = left;
        place.top = top;
    }
    void resizeTo(int width, int height) override
    {
        place.width = width;
        place.height = height;
    }
    void setFontName(const QString&) override {}
    void setFontSize(int) override {}
    void setBold(bool) override {}
    void setItalic(bool) override {}
    void setForeColor(const QString&) override {}
    void setBackColor(const QString&) override {}
    void setCaption(const QString&) override {}

    WindowRect place;
};

// The controller stands where the settings put it, at its designed size.
class QuietControllerPlace : public ControllerPlace {
public:
    explicit QuietControllerPlace(WindowRect rect) : rect_(rect) {}
    std::optional<WindowRect> controllerRect() const override { return rect_; }

private:
    WindowRect rect_;
};

// Its jump box stays empty: the preview's jumps go straight to the engine.
class QuietController : public StepController {
public:
    explicit QuietController(bool full) : full_(full) {}
    void showPointer(int) override {}
    void showTotal(int) override {}
    bool hasJumpBox() const override { return full_; }
    QString jumpText() const override { return {}; }
    void clearJump() override {}
    void showClipSwitch(int) override {}

private:
    bool full_;
};

// Nothing is played here: every media command succeeds and answers nothing.
class QuietMediaDevice : public MediaDevice {
public:
    MediaReply send(const QString&) override { return {}; }
};

class QuietWaveSound : public WaveSound {
public:
    bool play(const QString&) override { return true; }
};

// Every picture counts as readable: nothing is shown here.
class QuietPictures : public Pictures {
public:
    bool canLoad(const QString&) const override { return true; }
};

// No script window is ever loaded here, so every show state is "not loaded".
class QuietWindows : public PresentationWindows, public SubDisplayWindows, public MusicPanelWindows, public ShowStates {
public:
    void loadSubDisplay(int) override {}
    void showSubDisplay(int) override {}
    void hideSubDisplay(int) override {}
    void unloadSubDisplay(int) override {}
    void loadMusicPanel() override {}
    void showMusicPanel() override {}
    void hideMusicPanel() override {}
    void unloadMusicPanel() override {}
    void hideScriptWindows() override {}
    void unloadScriptWindows() override {}
    void restoreDisplayWindow() override {}
    void restoreController() override {}
    int subShowState(int) const override { return 0; }
    int panelShowState() const override { return 0; }
};

class QuietClipboard : public Clipboard {
public:
    void clear() override {}
    void putText(const QString&) override {}
};

} // namespace qc::preview
