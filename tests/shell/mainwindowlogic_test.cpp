#include "presentation/voicesoftware.h"
#include "script/script.h"
#include "shell/mainwindowlogic.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakefiles.h"
#include "doubles/fakescreen.h"
#include "doubles/fakeservices.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingmessagebox.h"
#include "doubles/shellrig.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using K = SettingKey;

class FakeMainWindowView : public MainWindowView {
public:
    WindowRect rect() const override { return rectNow; }
    void moveTo(int left, int top) override
    {
        rectNow.left = left;
        rectNow.top = top;
    }
    void keepFixedSize() override { ++sizeKept; }
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }
    void showScriptTotals(int lineCount, const QString& fileName) override
    {
        totals = QStringLiteral("%1 %2").arg(lineCount).arg(fileName);
    }
    void focusButton(MainButton button) override { focused = button; }

    WindowRect rectNow{0, 0, 5490, 3195};
    WindowState state = WindowState::Normal;
    bool visible = false;
    QString totals;
    std::optional<MainButton> focused;
    int sizeKept = 0;
};

class MainWindowTest : public ::testing::Test, protected test::ShellRig {
protected:
    FakeMainWindowView view;
    MainWindowLogic logic{view, mainParts(), mainServices()};
};

TEST_F(MainWindowTest, OpensWhereItWasKeptOnTheScreen)
{
    settings.setText(K::Win00Left, "14000");
    settings.setText(K::Win00Top, "-20");
    settings.setText(K::Win00State, "1");
    logic.onLoad();
    EXPECT_EQ(view.rectNow.left, 15360 - 5490);
    EXPECT_EQ(view.rectNow.top, 0);
    EXPECT_EQ(view.state, WindowState::Minimized);
    EXPECT_EQ(view.totals, "0 ");
    EXPECT_TRUE(view.visible);                       // no script: shown with the read button focused
    EXPECT_EQ(view.focused, MainButton::Read);
}

TEST_F(MainWindowTest, HandlersDoNothingWhileMeasuring)
{
    flags.firstRun = true;
    logic.onLoad();
    logic.onQueryUnload();
    logic.onUnload();
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(shutdowns, 0);
    EXPECT_EQ(settings.text(K::Win00State), "0");
}

TEST_F(MainWindowTest, ClosingRecordsStateAndPlace)
{
    logic.onLoad();
    view.moveTo(3000, 2000);
    view.state = WindowState::Minimized;
    logic.onQueryUnload();
    EXPECT_EQ(settings.text(K::Win00State), "1");
    EXPECT_EQ(settings.text(K::Win00Left), "3000");
    EXPECT_EQ(settings.text(K::Win00Top), "2000");
    EXPECT_EQ(view.state, WindowState::Normal);
    EXPECT_FALSE(view.visible);
    logic.onUnload();
    EXPECT_EQ(shutdowns, 1);
}

TEST_F(MainWindowTest, ACornerPlaceKeepsThePlaceItOpenedAt)
{
    settings.setText(K::Win00Left, "4000");
    settings.setText(K::Win00Top, "3000");
    logic.onLoad();
    view.moveTo(-100, 0);
    logic.onQueryUnload();
    EXPECT_EQ(settings.text(K::Win00Left), "4000");
    EXPECT_EQ(settings.text(K::Win00Top), "3000");
}

// On a desktop that cannot tell where windows are, the remembered place stays as it was.
TEST_F(MainWindowTest, WherePlacesCannotBeReadTheRememberedPlaceStays)
{
    screen.placesWorkHere = false;
    settings.setText(K::Win00Left, "4000");
    settings.setText(K::Win00Top, "3000");
    logic.onLoad();
    view.moveTo(2500, 1500);   // whatever the window system answers
    logic.onQueryUnload();
    EXPECT_EQ(settings.text(K::Win00Left), "4000");
    EXPECT_EQ(settings.text(K::Win00Top), "3000");
}

TEST_F(MainWindowTest, HiddenInTheTrayIsRememberedAsMinimised)
{
    logic.onLoad();
    flags.hiddenToTray = true;
    logic.onQueryUnload();
    EXPECT_EQ(settings.text(K::Win00State), "1");
}

TEST_F(MainWindowTest, ResizingSnapsBackAndMinimisingUsesTheTrayOnlyWhenThere)
{
    logic.onLoad();
    logic.onResize();
    EXPECT_EQ(view.sizeKept, 1);
    view.state = WindowState::Maximized;
    logic.onResize();
    EXPECT_EQ(view.state, WindowState::Normal);
    EXPECT_EQ(view.sizeKept, 2);

    settings.setInteger(K::TaskUse, 1);
    view.visible = true;
    view.state = WindowState::Minimized;
    logic.onResize();
    EXPECT_TRUE(view.visible);                   // no tray icon: it stays minimised, never lost
    EXPECT_FALSE(flags.hiddenToTray);
    flags.trayIconAdded = true;
    logic.onResize();
    EXPECT_FALSE(view.visible);
    EXPECT_TRUE(flags.hiddenToTray);
}

TEST_F(MainWindowTest, EscQuitsTheProgram)
{
    windows.openMainWindow();
    loader.onClose["frmMi00"] = [this] { logic.onQueryUnload(); logic.onUnload(); };
    EXPECT_TRUE(logic.onKeyPress(QChar(27)));
    EXPECT_TRUE(flags.quitting);
    EXPECT_EQ(shutdowns, 1);
    EXPECT_FALSE(logic.onKeyPress(u'q'));
}

TEST_F(MainWindowTest, ReadingAScriptMovesTheDialogFolder)
{
    files.put("/shows/fri/run.txt", {"a", "b"});
    dialogs.fileAnswers.push_back(QStringLiteral("/shows/fri/run.txt"));
    EXPECT_TRUE(logic.onKeyPress(u'X'));
    EXPECT_EQ(dialogs.asked, QStringList({"ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|すべて(*.*)|*.*@/prog/"}));
    EXPECT_EQ(script.content().lineCount(), 2);
    EXPECT_EQ(settings.text(K::InitDir), "/shows/fri/");
    EXPECT_EQ(view.totals, "2 run.txt");
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.focused, MainButton::Show);
    EXPECT_FALSE(flags.trayLocked);
}

TEST_F(MainWindowTest, ACancelledDialogChangesNothing)
{
    files.put("/shows/a.txt", {"a"});
    script.setLocation(ScriptLocation::ofPath("/shows/a.txt"));
    script.load();
    logic.read();
    EXPECT_EQ(script.content().lineCount(), 1);
    EXPECT_TRUE(view.visible);
    EXPECT_FALSE(flags.trayLocked);
}

TEST_F(MainWindowTest, DroppedFilesLoadTheFirstTextFile)
{
    files.put("/d/two.TXT", {"x", "y", "z"});
    logic.onFilesDropped({"/d/pic.png", "/d/two.TXT", "/d/three.txt"});
    EXPECT_EQ(script.location().path, "/d/two.TXT");
    EXPECT_EQ(view.totals, "3 two.TXT");
    EXPECT_EQ(settings.text(K::InitDir), "/d/");

    view.visible = false;
    logic.onFilesDropped({"/d/pic.png"});
    EXPECT_EQ(script.location().path, "/d/two.TXT");
    EXPECT_TRUE(view.visible);
}

TEST_F(MainWindowTest, ShowOpensThePresentationAndHides)
{
    settings.setInteger(K::ShowTxtVoiceSoftAuto, 1);
    view.visible = true;
    logic.showPresentation();
    EXPECT_EQ(loader.log, QStringList({"frmMi01.load", "frmMi01.show", "frmMi02.load", "frmMi02.show",
                                       "frmMi01.restore", "frmMi01.show"}));
    EXPECT_FALSE(view.visible);
    ASSERT_EQ(messages.shown.size(), 1);         // auto-start without a voice program set
    EXPECT_EQ(messages.shown[0].text, "音声ソフトが設定されていません。");
}

TEST_F(MainWindowTest, ShowWithoutAControllerKeepsTheMainWindow)
{
    loader.unknown.insert("frmMi01");
    view.visible = true;
    logic.showPresentation();
    EXPECT_TRUE(view.visible);
    EXPECT_FALSE(registry.isLoaded("frmMi02"));
}

TEST_F(MainWindowTest, VoiceSoftwareStartsOnceAutomaticallyButOnEveryPress)
{
    settings.setText(K::ShowTxtVoiceSoft, "/opt/voice/run");
    settings.setInteger(K::ShowTxtVoiceSoftAuto, 1);
    logic.showPresentation();
    logic.showPresentation();
    EXPECT_EQ(shell.opened.size(), 1);
    logic.voice();
    logic.voice();
    EXPECT_EQ(shell.opened.size(), 3);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWindowTest, ClearForgetsTheScript)
{
    files.put("/shows/a.txt", {"a"});
    script.setLocation(ScriptLocation::ofPath("/shows/a.txt"));
    script.load();
    logic.clear();
    EXPECT_EQ(script.content().lineCount(), 0);
    EXPECT_EQ(script.location().path, "");
    EXPECT_EQ(view.totals, "0 ");
}

} // namespace
} // namespace qc
