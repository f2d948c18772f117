#include "platform/clipboard.h"
#include "presentation/clipboardoutput.h"
#include "presentation/controllerlogic.h"

#include "doubles/presentationrig.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using K = SettingKey;

class FakeDisplayWindowView : public DisplayWindowView {
public:
    WindowRect rect() override { return port.rect(); }
    void moveTo(int left, int top) override { port.moveTo(left, top); }
    void resizeTo(int width, int height) override { port.resizeTo(width, height); }
    void setFontName(const QString& name) override { port.setFontName(name); }
    void setFontSize(int points) override { port.setFontSize(points); }
    void setBold(bool bold) override { port.setBold(bold); }
    void setItalic(bool italic) override { port.setItalic(italic); }
    void setForeColor(const QString& rgb) override { port.setForeColor(rgb); }
    void setBackColor(const QString& rgb) override { port.setBackColor(rgb); }
    void setCaption(const QString& caption) override { port.setCaption(caption); }
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    void hideWindow() override { hidden = true; }
    void setText(const QString& t) override { text_ = t; }
    QString text() const override { return text_; }
    void placeTextBox(const WindowRect& rect) override { textBox = rect; }
    void showBanners(int top) override { bannerTop = top; }
    void hideBanners() override { bannerTop = -1; }
    void placeCursorBox(int left, int top) override { cursorBox = {left, top, 0, 0}; }
    void clearCursorBox() override { ++cursorCleared; }
    void focusCursorBox() override { ++cursorFocused; }

    test::FakeDisplayPort port;
    WindowState state = WindowState::Normal;
    bool hidden = false;
    QString text_;
    WindowRect textBox;
    int bannerTop = -1;
    WindowRect cursorBox;
    int cursorCleared = 0;
    int cursorFocused = 0;
};

class FakeControllerView : public ControllerView {
public:
    WindowRect rect() const override { return place; }
    void moveTo(int left, int top) override
    {
        place.left = left;
        place.top = top;
    }
    void keepFixedSize() override {}
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }
    void showPointer(int p) override { pointer = p; }
    void showTotal(int t) override { total = t; }
    QString jumpText() const override { return jump; }
    void clearJump() override { jump.clear(); }
    void setClipChecked(bool checked) override { clipChecked = checked; }
    void focusButton(ControllerButton button) override { focused = button; }

    WindowRect place{0, 0, 9345, 1620};
    WindowState state = WindowState::Normal;
    bool visible = false;
    int pointer = -1;
    int total = -1;
    QString jump;
    bool clipChecked = false;
    std::optional<ControllerButton> focused;
};

// The presentation windows' rules over the real engine, window manager and display
// commands; the windows themselves are fakes.
class PresentationWindowsTest : public ::testing::Test, protected test::PresentationRig {
protected:
    PresentationWindowsTest() : PresentationRig({"'qc-title Night", "'qc-header Hello", "A", "B", "", "C"})
    {
        // The windows' closing handlers, as the real windows run them.
        loader.onClose["frmMi02"] = [this] { display.onQueryUnload(); display.onUnload(); };
        loader.onClose["frmMi01"] = [this] { controller.onQueryUnload(); controller.onUnload(); };
    }

    void open()
    {
        controller.onLoad();
        display.onLoad();
        registry.ensureLoaded("frmMi01");
        registry.ensureLoaded("frmMi02");
        loader.log.clear();
    }

    FakeDisplayWindowView displayView;
    DisplayWindowLogic display{displayView,
                               {settings, script, windows, displayCommands, engine, presentation.clipboard(), host, flags},
                               {shell, screen, {"/help/a.html", "/help/b.html"}}};
    FakeControllerView controllerView;
    ControllerLogic controller{controllerView, ControllerKind::Full, {settings, engine, windows, flags}, screen};
};

TEST_F(PresentationWindowsTest, TheDisplayOpensFromTheSettings)
{
    settings.setText(K::Win02Left, "2000");
    settings.setText(K::Win02Top, "11000");
    settings.setText(K::Win02Width, "6000");
    settings.setText(K::Win02Height, "3000");
    settings.setText(K::ShowTxtFColor, "112233");
    display.onLoad();
    EXPECT_EQ(displayView.port.place.left, 2000);
    EXPECT_EQ(displayView.port.place.top, 8520);          // pulled back onto the screen
    EXPECT_EQ(displayView.port.place.width, 6000);
    EXPECT_EQ(displayView.port.foreColor, "112233");
    EXPECT_EQ(displayView.port.backColor, "FFFFFF");
    EXPECT_EQ(displayView.port.caption, "Night");
    EXPECT_EQ(displayView.text(), "Hello\r\n");
}

TEST_F(PresentationWindowsTest, LayoutRule)
{
    settings.winTuneWidth = 330;
    settings.winTuneHeight = 660;
    const struct {
        int width;
        int height;
        int cmShow;
        int textWidth;
        int textHeight;
        int bannerTop;
    } cases[] = {
        {6000, 3000, 0, 5670, 2340, -1},
        {6000, 2510, 3, 5670, 1850, -1},               // not taller than 2510: no banners
        {6000, 2511, 3, 5670, 841, 971},               // banners, text 1010 shorter
        {1000, 1000, 0, 1670, 840, -1},                // snapped back to 2000 x 1500
    };
    for (const auto& c : cases) {
        settings.setInteger(K::ShowTxtCmShow, std::int16_t(c.cmShow));
        displayView.port.place = {0, 0, c.width, c.height};
        display.onResize();
        EXPECT_EQ(displayView.textBox.left, 50);
        EXPECT_EQ(displayView.textBox.top, 50);
        EXPECT_EQ(displayView.textBox.width, c.textWidth) << c.width << "x" << c.height;
        EXPECT_EQ(displayView.textBox.height, c.textHeight) << c.width << "x" << c.height;
        EXPECT_EQ(displayView.bannerTop, c.bannerTop) << c.width << "x" << c.height;
        EXPECT_EQ(displayView.cursorBox.left, displayView.port.place.width);   // out of sight
    }
    EXPECT_EQ(displayView.port.place.width, 2000);
    EXPECT_EQ(displayView.port.place.height, 1500);
}

TEST_F(PresentationWindowsTest, EnterCopiesTheTextAsItStandsAndSlashRestoresIt)
{
    open();
    displayView.setText("edited by hand");
    display.onTextKeyPress(QChar(13));
    EXPECT_EQ(clipboard.puts, QStringList({"edited by hand"}));
    engine.setClipSwitch(0);
    display.onTextKeyPress(QChar(13));
    EXPECT_EQ(clipboard.puts.size(), 1);

    display.onTextKeyPress(u'/');
    displayView.setText("edited by hand/");
    display.onTextKeyUp();
    EXPECT_EQ(displayView.text(), "edited by hand");
    EXPECT_TRUE(loader.log.contains("frmMi01.restore"));
}

TEST_F(PresentationWindowsTest, TheFocusCatcherHandsTheFocusBack)
{
    open();
    display.onCursorBoxKeyPress(u'c');
    display.onCursorBoxKeyUp();
    EXPECT_EQ(displayView.cursorCleared, 1);
    EXPECT_TRUE(loader.log.contains("frmMi01.restore"));
    display.onTextLostFocus();
    engine.next();
    EXPECT_EQ(displayView.cursorFocused, 1);
    EXPECT_TRUE(log.contains("focusController"));
}

TEST_F(PresentationWindowsTest, ClosingTheDisplayRecordsItsPlaceAndClosesTheController)
{
    open();
    displayView.port.place = {3000, 2000, 7000, 4000};
    registry.unloadByName("frmMi02");
    EXPECT_EQ(settings.text(K::Win02Left), "3000");
    EXPECT_EQ(settings.text(K::Win02Width), "7000");
    EXPECT_FALSE(windows.isControllerLoaded());
    EXPECT_TRUE(loader.log.contains("frmMi00.show"));   // back to the main window
}

TEST_F(PresentationWindowsTest, WherePlacesCannotBeReadTheDisplayKeepsItsPlaceButRecordsItsSize)
{
    screen.placesWorkHere = false;
    settings.setText(K::Win02Left, "2500");
    settings.setText(K::Win02Top, "1500");
    open();
    displayView.port.place = {0, 0, 7000, 4000};
    registry.unloadByName("frmMi02");
    EXPECT_EQ(settings.text(K::Win02Left), "2500");
    EXPECT_EQ(settings.text(K::Win02Top), "1500");
    EXPECT_EQ(settings.text(K::Win02Width), "7000");
    EXPECT_EQ(settings.text(K::Win02Height), "4000");
}

TEST_F(PresentationWindowsTest, AShelteredDisplayIsRememberedAtItsOwnPlace)
{
    open();
    displayView.port.place = {3000, 2000, 7000, 4000};
    controllerPlace.rect = WindowRect{100, 200, 4000, 1000};
    displayCommands.refreshShelterRect();
    stageDisplay("@qc-set shelter=\"1\"");
    displayCommands.check();
    displayCommands.apply();
    EXPECT_EQ(displayView.port.place.width, 2000);
    registry.unloadByName("frmMi02");
    EXPECT_EQ(settings.text(K::Win02Left), "3000");
    EXPECT_EQ(settings.text(K::Win02Width), "7000");
}

TEST_F(PresentationWindowsTest, ScriptGeometryIsNotKeptWhenTheControllerCloses)
{
    open();
    settings.setText(K::Win02Left, "1111");
    stageDisplay("@qc-set left=\"50\"");
    displayView.port.place = {5000, 2000, 7000, 4000};
    controller.onButton(ControllerButton::Cancel);
    EXPECT_EQ(settings.text(K::Win02Left), "1111");
    EXPECT_FALSE(displayCommands.scriptPlacedWindow());
    EXPECT_FALSE(flags.quitting);
    EXPECT_TRUE(loader.log.contains("frmMi00.show"));
}

TEST_F(PresentationWindowsTest, ScriptGeometryIsKeptWhenTheDisplayItselfCloses)
{
    open();
    stageDisplay("@qc-set width=\"50\"");
    displayView.port.place = {5000, 2000, 7000, 4000};
    registry.unloadByName("frmMi02");
    EXPECT_EQ(settings.text(K::Win02Left), "5000");
}

TEST_F(PresentationWindowsTest, ControllerKeysStepAndQuit)
{
    open();
    EXPECT_EQ(controllerView.total, 6);
    EXPECT_TRUE(controllerView.clipChecked);
    EXPECT_TRUE(controller.onKeyPress(u'C'));
    EXPECT_EQ(controllerView.pointer, 3);
    EXPECT_EQ(controllerView.focused, ControllerButton::Next);
    EXPECT_EQ(displayView.text(), "A\r\nB\r\n");
    timers.tickAll();
    timers.tickAll();
    EXPECT_TRUE(controller.onKeyPress(u'v'));
    EXPECT_EQ(controllerView.pointer, 7);
    EXPECT_TRUE(controller.onKeyPress(u'z'));
    EXPECT_EQ(controllerView.pointer, 0);
    EXPECT_FALSE(controller.onKeyPress(u'q'));

    windows.openMainWindow();
    loader.log.clear();
    EXPECT_TRUE(controller.onKeyPress(QChar(27)));
    EXPECT_TRUE(flags.quitting);
    EXPECT_TRUE(loader.log.contains("frmMi00.close"));
}

TEST_F(PresentationWindowsTest, TheClipBoxAndTheClipKeyAgree)
{
    open();
    controller.onClipToggled(false);
    EXPECT_EQ(engine.clipSwitch(), 0);
    stageDisplay("@qc-set clip=\"1\"");
    displayCommands.check();
    displayCommands.apply();
    EXPECT_EQ(engine.clipSwitch(), 1);
    EXPECT_TRUE(controllerView.clipChecked);
}

TEST_F(PresentationWindowsTest, MinimisingTakesEveryWindowAwayAndRestoringBringsThemBack)
{
    open();
    windows.loadSubDisplay(2);
    windows.showSubDisplay(2);
    loader.log.clear();
    controllerView.state = WindowState::Minimized;
    controller.onResize();
    EXPECT_EQ(loader.log, QStringList({"frmSb02.hide", "frmMi02.hide"}));
    EXPECT_EQ(records.subShowState[2], "2");
    loader.log.clear();
    controllerView.state = WindowState::Normal;
    controller.onResize();
    EXPECT_EQ(loader.log, QStringList({"frmSb02.show", "frmMi02.restore", "frmMi02.show"}));
    EXPECT_TRUE(controllerView.visible);
}

TEST_F(PresentationWindowsTest, ClosingTheControllerRecordsItsPlace)
{
    settings.setText(K::Win01Left, "3000");
    settings.setText(K::Win01Top, "2000");
    open();
    controllerView.place.left = -500;              // dragged into the corner
    controllerView.place.top = 0;
    controllerView.state = WindowState::Minimized;
    registry.unloadByName("frmMi01");
    EXPECT_EQ(settings.text(K::Win01Left), "3000");
    EXPECT_EQ(settings.text(K::Win01Top), "2000");
    EXPECT_EQ(settings.text(K::Win01State), "1");
    EXPECT_TRUE(flags.quitting);                  // closing a minimised controller quits
}

TEST_F(PresentationWindowsTest, QuitRoadsEndTheProgramInsteadOfReturning)
{
    loader.onClose["frmMi00"] = [this] { log << "program ends"; };
    for (const auto& quit : {std::function<void()>([this] { display.onKeyPress(QChar(27)); }),
                            std::function<void()>([this] { controller.onButton(ControllerButton::Off); }),
                            std::function<void()>([this] { controller.onKeyPress(QChar(27)); })}) {
        flags.quitting = false;
        log.clear();
        windows.openMainWindow();
        open();
        quit();
        EXPECT_TRUE(flags.quitting);
        EXPECT_TRUE(log.contains("program ends"));
        EXPECT_FALSE(loader.log.contains("frmMi00.restore"));   // never back to the main window
        EXPECT_FALSE(windows.isControllerLoaded());
        EXPECT_FALSE(registry.isLoaded("frmMi02"));
    }
}

TEST_F(PresentationWindowsTest, BannersOpenTheirPages)
{
    display.onBannerClick(0);
    display.onBannerClick(1);
    EXPECT_EQ(shell.opened, QStringList({"/help/a.html", "/help/b.html"}));
}

TEST(ClipboardOutputTest, ClearsFirstOnlyWhenAsked)
{
    test::RecordingDesktopClipboard desktop;
    Settings settings = test::defaultSettings();
    ClipboardOutput output(desktop, settings);
    output.putClipboard("A\r\n");
    output.putClipboard("");
    settings.setInteger(K::ClipClear, 0);
    output.putClipboard("B\r\n");
    EXPECT_EQ(desktop.calls, QStringList({"clear", "put A\r\n", "put B\r\n"}));
}

} // namespace
} // namespace qc
