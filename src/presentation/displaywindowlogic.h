#pragma once

#include "presentation/displayport.h"
#include "presentation/steppingports.h"

#include <QString>

#include <functional>

namespace qc {

class DisplayCommands;
class Screen;
class Script;
class Settings;
class ShellOpen;
class SteppingEngine;
class WindowManager;
struct WindowFlags;

// The display window as its handlers see it: the window, its text box, the hidden focus
// catcher and the banner row. Places inside the window are client twips.
class DisplayWindowView : public DisplayPort {
public:
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void hideWindow() = 0;
    // Texts with CR LF line breaks.
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    virtual void placeTextBox(const WindowRect& rect) = 0;
    virtual void showBanners(int top) = 0;
    virtual void hideBanners() = 0;
    virtual void placeCursorBox(int left, int top) = 0;
    virtual void clearCursorBox() = 0;
    virtual void focusCursorBox() = 0;
};

// The display window wherever it is needed: loaded on first use, so steps and commands can
// always reach it.
class DisplayWindowHost : public StepDisplay, public DisplayPort {
public:
    struct Actions {
        std::function<void()> loadWindow;
        std::function<void()> focusController;
    };

    explicit DisplayWindowHost(Actions actions) : actions_(std::move(actions)) {}

    void attach(DisplayWindowView& view) { view_ = &view; }
    void detach() { view_ = nullptr; }

    void showText(const QString& text) override;
    void returnFocusToController() override;

    WindowRect rect() override;
    void moveTo(int left, int top) override;
    void resizeTo(int width, int height) override;
    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setItalic(bool italic) override;
    void setForeColor(const QString& rgb) override;
    void setBackColor(const QString& rgb) override;
    void setCaption(const QString& caption) override;

private:
    DisplayWindowView* view();

    Actions actions_;
    DisplayWindowView* view_ = nullptr;
};

// Web pages opened by the two clickable banners.
struct BannerPages {
    QString first;
    QString second;
};

// frmMi02, the window the audience sees: where it opens, its layout rule, its keys and
// clicks, and what it records when it closes.
class DisplayWindowLogic {
public:
    struct Parts {
        Settings& settings;
        const Script& script;
        WindowManager& windows;
        DisplayCommands& commands;
        SteppingEngine& engine;
        StepClipboard& clipboard;
        DisplayWindowHost& host;
        WindowFlags& flags;
    };
    struct Services {
        ShellOpen& shell;
        const Screen& screen;
        BannerPages pages;
    };

    DisplayWindowLogic(DisplayWindowView& view, Parts parts, Services services);

    void onLoad();
    void onResize();
    void onQueryUnload();
    void onUnload();
    void onClick();
    bool onKeyPress(QChar key);
    void onBannerClick(int banner);
    void onTextClick();
    void onTextKeyPress(QChar key);
    void onTextKeyUp();
    void onTextLostFocus();
    void onCursorBoxKeyPress(QChar key);
    void onCursorBoxKeyUp();

private:
    void keepOnScreen();
    void recordPlace();

    DisplayWindowView& view_;
    Parts parts_;
    Services services_;
    bool keyRestorePending_ = false;
    QString keyRestoreText_;
    WindowRect closingRect_;
};

} // namespace qc
