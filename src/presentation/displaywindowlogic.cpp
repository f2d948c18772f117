#include "presentation/displaywindowlogic.h"

#include "platform/screen.h"
#include "platform/shellopen.h"
#include "presentation/displaycommands.h"
#include "presentation/steppingengine.h"
#include "script/numbers.h"
#include "windows/placedwindowview.h"
#include "script/script.h"
#include "settings/settings.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"

namespace qc {

namespace {

using K = SettingKey;

// Below this height the banner row does not fit under the text.
constexpr int kBannerMinWindowHeight = 2510;
constexpr int kBannerRowHeight = 1010;
constexpr int kTextBoxMargin = 50;

} // namespace

DisplayWindowView* DisplayWindowHost::view()
{
    if (!view_ && actions_.loadWindow)
        actions_.loadWindow();
    return view_;
}

void DisplayWindowHost::showText(const QString& text)
{
    if (DisplayWindowView* v = view())
        v->setText(text);
}

void DisplayWindowHost::returnFocusToController()
{
    if (DisplayWindowView* v = view())
        v->focusCursorBox();
    actions_.focusController();
}

WindowRect DisplayWindowHost::rect()
{
    DisplayWindowView* v = view();
    return v ? v->rect() : WindowRect{};
}

void DisplayWindowHost::moveTo(int left, int top)
{
    if (DisplayWindowView* v = view())
        v->moveTo(left, top);
}

void DisplayWindowHost::resizeTo(int width, int height)
{
    if (DisplayWindowView* v = view())
        v->resizeTo(width, height);
}

void DisplayWindowHost::setFontName(const QString& name)
{
    if (DisplayWindowView* v = view())
        v->setFontName(name);
}

void DisplayWindowHost::setFontSize(int points)
{
    if (DisplayWindowView* v = view())
        v->setFontSize(points);
}

void DisplayWindowHost::setBold(bool bold)
{
    if (DisplayWindowView* v = view())
        v->setBold(bold);
}

void DisplayWindowHost::setItalic(bool italic)
{
    if (DisplayWindowView* v = view())
        v->setItalic(italic);
}

void DisplayWindowHost::setForeColor(const QString& rgb)
{
    if (DisplayWindowView* v = view())
        v->setForeColor(rgb);
}

void DisplayWindowHost::setBackColor(const QString& rgb)
{
    if (DisplayWindowView* v = view())
        v->setBackColor(rgb);
}

void DisplayWindowHost::setCaption(const QString& caption)
{
    if (DisplayWindowView* v = view())
        v->setCaption(caption);
}

DisplayWindowLogic::DisplayWindowLogic(DisplayWindowView& view, Parts parts, Services services)
    : view_(view), parts_(parts), services_(std::move(services))
{
}

void DisplayWindowLogic::keepOnScreen()
{
    const WindowRect place = keptOnScreen(view_.rect(), services_.screen);
    view_.moveTo(place.left, place.top);
}

void DisplayWindowLogic::onLoad()
{
    parts_.host.attach(view_);
    if (parts_.flags.firstRun)
        return;
    const Settings& settings = parts_.settings;
    const auto number = [&](K key) { return int(numberOfText(settings.text(key))); };
    view_.moveTo(number(K::Win02Left), number(K::Win02Top));
    view_.resizeTo(number(K::Win02Width), number(K::Win02Height));
    view_.setWindowState(windowStateOfText(settings.text(K::Win02State)));
    keepOnScreen();
    view_.setFontName(settings.text(K::ShowTxtFName));
    view_.setFontSize(settings.integer(K::ShowTxtFSize));
    view_.setBold(settings.integer(K::ShowTxtFBold) > 0);
    view_.setItalic(settings.integer(K::ShowTxtFItalic) > 0);
    view_.setForeColor(settings.text(K::ShowTxtFColor));
    view_.setBackColor(settings.text(K::ShowTxtBColor));
    view_.setCaption(parts_.script.content().title);
    view_.setText(parts_.script.content().header);
}

void DisplayWindowLogic::onResize()
{
    if (parts_.flags.firstRun)
        return;
    if (view_.windowState() == WindowState::Maximized)
        view_.setWindowState(WindowState::Normal);
    if (view_.windowState() != WindowState::Normal)
        return;
    WindowRect rect = view_.rect();
    if (rect.width < kDisplayMinWidth || rect.height < kDisplayMinHeight) {
        rect.width = std::max(rect.width, kDisplayMinWidth);
        rect.height = std::max(rect.height, kDisplayMinHeight);
        view_.resizeTo(rect.width, rect.height);
    }
    const Settings& settings = parts_.settings;
    WindowRect textBox{kTextBoxMargin, kTextBoxMargin, rect.width - settings.winTuneWidth, 0};
    if (rect.height > kBannerMinWindowHeight && settings.integer(K::ShowTxtCmShow) > 2) {
        textBox.height = rect.height - settings.winTuneHeight - kBannerRowHeight;
        view_.showBanners(textBox.height + 130);
    } else {
        textBox.height = rect.height - settings.winTuneHeight;
        view_.hideBanners();
    }
    view_.placeTextBox(textBox);
    view_.placeCursorBox(rect.width, rect.height);
}

void DisplayWindowLogic::onQueryUnload()
{
    if (parts_.flags.firstRun)
        return;
    parts_.settings.setText(K::Win02State, view_.windowState() == WindowState::Minimized ? QStringLiteral("1")
                                                                                         : QStringLiteral("0"));
    view_.setWindowState(WindowState::Normal);
    closingRect_ = keptOnScreen(view_.rect(), services_.screen);
    view_.hideWindow();
}

void DisplayWindowLogic::recordPlace()
{
    // A sheltered window is remembered at its own place, never at the shelter.
    const WindowRect rect = parts_.commands.shelterSavedRect().value_or(closingRect_);
    Settings& settings = parts_.settings;
    // Where places cannot be read, the remembered place stays; the size is still known.
    if (services_.screen.placesWork()) {
        settings.setText(K::Win02Left, QString::number(rect.left));
        settings.setText(K::Win02Top, QString::number(rect.top));
    }
    settings.setText(K::Win02Width, QString::number(rect.width));
    settings.setText(K::Win02Height, QString::number(rect.height));
}

void DisplayWindowLogic::onUnload()
{
    if (parts_.flags.firstRun) {
        parts_.host.detach();
        return;
    }
    WindowManager& windows = parts_.windows;
    if (parts_.settings.integer(K::ShowTxtSimpleUse) == 1)
        windows.closeSimpleController();
    else
        windows.closeController();
    if (!windows.isControllerLoaded())
        parts_.commands.forgetScriptPlace();
    // A place a script gave the window is not kept while its controller stays open.
    if (!parts_.commands.scriptPlacedWindow())
        recordPlace();
    parts_.commands.forgetScriptPlace();
    parts_.commands.forgetShelter();
    parts_.host.detach();
    if (!parts_.flags.quitting)
        windows.restoreMainWindow();
}

void DisplayWindowLogic::onClick()
{
    keepOnScreen();
}

bool DisplayWindowLogic::onKeyPress(QChar key)
{
    if (key != QChar(27))
        return false;
    parts_.flags.quitting = true;
    parts_.windows.closeDisplayWindow();
    parts_.windows.closeMainWindow();
    return true;
}

void DisplayWindowLogic::onBannerClick(int banner)
{
    services_.shell.open(banner == 0 ? services_.pages.first : services_.pages.second);
}

void DisplayWindowLogic::onTextClick()
{
    parts_.commands.leaveShelter();
    keepOnScreen();
}

void DisplayWindowLogic::onTextKeyPress(QChar key)
{
    if (key == QChar(13)) {
        const QString text = view_.text();
        if (!text.isEmpty() && parts_.engine.clipSwitch() > 0)
            parts_.clipboard.putClipboard(text);
    } else if (key == u'/') {
        keyRestoreText_ = view_.text();
        keyRestorePending_ = true;
    }
}

void DisplayWindowLogic::onTextKeyUp()
{
    if (!keyRestorePending_)
        return;
    view_.setText(keyRestoreText_);
    keyRestoreText_.clear();
    keyRestorePending_ = false;
    parts_.windows.restoreController();
}

void DisplayWindowLogic::onTextLostFocus()
{
    parts_.engine.noteDisplayFocusLost();
}

void DisplayWindowLogic::onCursorBoxKeyPress(QChar key)
{
    if (key == u'/' || key == u'c')
        keyRestorePending_ = true;
}

void DisplayWindowLogic::onCursorBoxKeyUp()
{
    if (!keyRestorePending_)
        return;
    view_.clearCursorBox();
    keyRestorePending_ = false;
    parts_.windows.restoreController();
}

} // namespace qc
