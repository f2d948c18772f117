#include "windows/placedwindowview.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakescreen.h"
#include "doubles/fakewindows.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class WindowManagerTest : public ::testing::Test {
protected:
    QStringList takeLog()
    {
        QStringList log = loader.log;
        loader.log.clear();
        return log;
    }

    test::FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    Settings settings = test::defaultSettings();
    test::FakeScreen screen{15360, 11520};
    WindowManager manager{registry, records, settings, screen};
};

TEST_F(WindowManagerTest, RecordedShowStatesFollowTheirTable)
{
    manager.showSubDisplay(0);                  // never loaded: nothing
    EXPECT_EQ(records.subShowState[0], "");
    EXPECT_FALSE(registry.isLoaded("frmSb00"));

    manager.loadSubDisplay(0);
    EXPECT_EQ(records.subShowState[0], "1");
    EXPECT_FALSE(loader.visible.contains("frmSb00"));
    manager.loadSubDisplay(0);                  // already loaded: unchanged
    EXPECT_EQ(takeLog(), QStringList({"frmSb00.load"}));

    manager.hideSubDisplay(0);                  // not shown: unchanged
    EXPECT_EQ(records.subShowState[0], "1");
    manager.showSubDisplay(0);
    manager.showSubDisplay(0);                  // shown again and brought to the front
    EXPECT_EQ(records.subShowState[0], "2");
    EXPECT_EQ(takeLog(), QStringList({"frmSb00.show", "frmSb00.show"}));

    manager.hideSubDisplay(0);
    EXPECT_EQ(records.subShowState[0], "1");
    EXPECT_FALSE(loader.visible.contains("frmSb00"));

    manager.unloadSubDisplay(0);
    EXPECT_EQ(records.subShowState[0], "");
    EXPECT_FALSE(registry.isLoaded("frmSb00"));
}

TEST_F(WindowManagerTest, MusicPanelStatesLikewise)
{
    manager.loadMusicPanel();
    manager.showMusicPanel();
    EXPECT_EQ(records.panelShowState, "2");
    EXPECT_EQ(manager.panelShowState(), 2);
    manager.hideMusicPanel();
    EXPECT_EQ(manager.panelShowState(), 1);
    manager.unloadMusicPanel();
    EXPECT_EQ(manager.panelShowState(), 0);
    EXPECT_EQ(takeLog(), QStringList({"frmMu00.load", "frmMu00.show", "frmMu00.hide", "frmMu00.close"}));
}

TEST_F(WindowManagerTest, SuspendAndResumeKeepTheRecords)
{
    for (int id : {0, 2, 3}) {
        manager.loadSubDisplay(id);
        manager.showSubDisplay(id);
    }
    manager.hideSubDisplay(2);               // hidden by a script: stays hidden on resume
    manager.loadMusicPanel();
    manager.showMusicPanel();
    takeLog();

    manager.suspendMusicPanel();
    manager.suspendSubDisplays();
    EXPECT_EQ(takeLog(), QStringList({"frmMu00.hide", "frmSb00.hide", "frmSb03.hide"}));
    EXPECT_EQ(records.subShowState[0], "2");
    EXPECT_EQ(records.panelShowState, "2");

    manager.resumeMusicPanel();
    manager.resumeSubDisplays();
    EXPECT_EQ(takeLog(), QStringList({"frmMu00.show", "frmSb00.show", "frmSb03.show"}));
}

TEST_F(WindowManagerTest, FrontWindowFollowsTheOperatorWindows)
{
    EXPECT_EQ(manager.frontWindow(), FrontWindow::None);
    manager.openMainWindow();
    EXPECT_EQ(manager.frontWindow(), FrontWindow::Main);
    manager.openController();
    EXPECT_EQ(manager.frontWindow(), FrontWindow::Controller);
    manager.openSettingsDialog();
    EXPECT_EQ(manager.frontWindow(), FrontWindow::SettingsDialog);
    manager.openAboutDialog();
    EXPECT_EQ(manager.frontWindow(), FrontWindow::None);
    manager.restoreMainWindow();
    EXPECT_EQ(manager.frontWindow(), FrontWindow::Main);
    manager.openDisplayWindow();              // not an operator window: no change
    EXPECT_EQ(manager.frontWindow(), FrontWindow::Main);
    manager.closeMainWindow();
    EXPECT_EQ(manager.frontWindow(), FrontWindow::None);
}

TEST_F(WindowManagerTest, RestoringLoadsWhatIsNotLoaded)
{
    manager.restoreDisplayWindow();
    EXPECT_EQ(takeLog(), QStringList({"frmMi02.load", "frmMi02.restore", "frmMi02.show"}));
    manager.hideDisplayWindow();
    manager.closeDisplayWindow();
    manager.hideDisplayWindow();              // hiding what is not loaded loads nothing
    EXPECT_EQ(takeLog(), QStringList({"frmMi02.hide", "frmMi02.close"}));
}

TEST_F(WindowManagerTest, TheControllerInUseFollowsTheSetting)
{
    manager.restoreController();
    EXPECT_TRUE(registry.isLoaded("frmMi01"));
    settings.setInteger(SettingKey::ShowTxtSimpleUse, 1);
    manager.restoreController();
    EXPECT_TRUE(registry.isLoaded("frmMi01a"));
    EXPECT_TRUE(manager.isControllerLoaded());
    manager.closeController();
    manager.closeSimpleController();
    EXPECT_FALSE(manager.isControllerLoaded());
}

TEST_F(WindowManagerTest, OperatorWindowsForTheFirstRunMeasurement)
{
    manager.loadOperatorWindows();
    EXPECT_TRUE(loader.visible.isEmpty());
    manager.unloadOperatorWindows();
    EXPECT_EQ(takeLog(), QStringList({"frmMi00.load", "frmMi01.load", "frmMi02.load", "frmMi03.load",
                                      "frmMi00.close", "frmMi01.close", "frmMi02.close", "frmMi03.close"}));
    EXPECT_TRUE(registry.loadedNames().isEmpty());
}

TEST_F(WindowManagerTest, KeepOnScreenMovesWithoutResizing)
{
    loader.rects["frmMi02"] = {15000, -40, 2000, 1500};
    manager.openDisplayWindow();
    manager.keepOnScreen("frmMi02");
    EXPECT_EQ(loader.rects["frmMi02"].left, 13360);
    EXPECT_EQ(loader.rects["frmMi02"].top, 0);
    EXPECT_EQ(loader.rects["frmMi02"].width, 2000);
}

TEST_F(WindowManagerTest, BringAllIntoViewTouchesOnlyLoadedWindowsInOrder)
{
    for (const char* name : {"frmSb01", "frmSb04", "frmMi02", "frmMi01"})
        loader.rects[name] = {16000, 100, 1000, 1000};
    manager.loadSubDisplay(1);
    manager.loadSubDisplay(4);
    manager.openDisplayWindow();
    manager.openController();
    takeLog();
    manager.bringAllIntoView("frmMi01");
    EXPECT_EQ(takeLog(), QStringList({"frmSb04.move 14360 100", "frmSb01.move 14360 100",
                                      "frmMi02.move 14360 100", "frmMi01.move 14360 100"}));
}

TEST_F(WindowManagerTest, UnloadByNameIsExactAndBounded)
{
    manager.openDisplayWindow();
    registry.unloadByName("");
    registry.unloadByName("FRMMI02");
    registry.unloadByName(QString(31, u'x'));
    EXPECT_TRUE(registry.isLoaded("frmMi02"));
    registry.unloadByName("frmMi02");
    EXPECT_FALSE(registry.isLoaded("frmMi02"));
}

TEST_F(WindowManagerTest, AWindowClosingItsPartnerIsNotClosedTwice)
{
    // The controller closes the display window, whose closing closes the controller again.
    loader.onClose["frmMi01"] = [&] {
        EXPECT_TRUE(manager.isControllerLoaded());   // its closing is under way
        manager.closeDisplayWindow();
    };
    loader.onClose["frmMi02"] = [&] { manager.closeController(); };
    manager.openController();
    manager.openDisplayWindow();
    takeLog();
    manager.closeController();
    EXPECT_EQ(takeLog(), QStringList({"frmMi01.close", "frmMi02.close"}));
    EXPECT_TRUE(registry.loadedNames().isEmpty());
}

TEST_F(WindowManagerTest, UnknownWindowsAreNotLoaded)
{
    loader.unknown.insert("frmMf00");
    manager.loadMusicEngine();
    EXPECT_FALSE(registry.isLoaded("frmMf00"));
    manager.unloadMusicEngine();
}

} // namespace
} // namespace qc

namespace qc {
namespace {

TEST(WindowStateText, ReadAsANumber)
{
    const struct {
        const char* text;
        WindowState state;
    } cases[] = {
        {"0", WindowState::Normal},    {"1", WindowState::Minimized}, {" 1", WindowState::Minimized},
        {"1.0", WindowState::Minimized}, {"2", WindowState::Maximized}, {"3", WindowState::Normal},
        {"", WindowState::Normal},     {"x", WindowState::Normal},    {"99999", WindowState::Normal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windowStateOfText(QString::fromUtf8(c.text)), c.state) << c.text;
}

} // namespace
} // namespace qc

namespace qc {
namespace {

TEST_F(WindowManagerTest, ScriptWindowsGoMusicPanelFirstThenTheLastSubDisplayFirst)
{
    for (int id : {0, 3}) {
        manager.loadSubDisplay(id);
        manager.showSubDisplay(id);
    }
    manager.loadMusicPanel();
    manager.showMusicPanel();
    takeLog();

    manager.hideScriptWindows();
    EXPECT_EQ(takeLog(), QStringList({"frmMu00.hide", "frmSb03.hide", "frmSb00.hide"}));
    EXPECT_EQ(manager.subShowState(3), 1);
    EXPECT_EQ(manager.panelShowState(), 1);

    manager.unloadScriptWindows();
    EXPECT_EQ(takeLog(), QStringList({"frmMu00.close", "frmSb03.close", "frmSb00.close"}));
    EXPECT_EQ(manager.subShowState(0), 0);
    EXPECT_EQ(manager.panelShowState(), 0);
}

} // namespace
} // namespace qc
