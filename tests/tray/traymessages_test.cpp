#include "tray/trayrig.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using test::TrayRig;

// The tray in use with the refresh mode, the main window open and then minimised into the
// tray.
class TrayClicks : public ::testing::Test {
protected:
    TrayClicks()
    {
        rig.useTray(1);
        rig.taskTimers.start();
        rig.windows.openMainWindow();
        rig.flags.hiddenToTray = true;
        rig.loader.log.clear();
    }

    const QStringList& windowLog() const { return rig.loader.log; }

    TrayRig rig;
};

TEST_F(TrayClicks, ALeftClickBringsBackTheFrontWindowAndShortensTheTaskWait)
{
    rig.messages.onMessage(513);
    EXPECT_EQ(windowLog(), QStringList({"frmMi00.restore", "frmMi00.show"}));
    EXPECT_FALSE(rig.flags.hiddenToTray);
    EXPECT_EQ(rig.taskTimers.minutesLeft(), 1);
}

TEST_F(TrayClicks, OtherMouseMessagesDoNothing)
{
    for (const int message : {512, 514, 515, 517, 0})
        rig.messages.onMessage(message);
    EXPECT_TRUE(windowLog().isEmpty());
    EXPECT_FALSE(rig.tray.calls.contains("menu"));
    EXPECT_TRUE(rig.flags.hiddenToTray);
}

TEST_F(TrayClicks, ARightClickOffersTheMenuOnlyWhileAWindowIsHiddenInTheTray)
{
    rig.messages.onMessage(516);
    EXPECT_EQ(rig.tray.calls.filter(QStringLiteral("menu")).size(), 1);
    rig.flags.hiddenToTray = false;
    rig.messages.onMessage(516);
    EXPECT_EQ(rig.tray.calls.filter(QStringLiteral("menu")).size(), 1);
}

TEST_F(TrayClicks, NothingActsWhileTheMainWindowIsAwayForADialog)
{
    rig.flags.trayLocked = true;
    rig.messages.onMessage(513);
    rig.messages.onMessage(516);
    EXPECT_TRUE(windowLog().isEmpty());
    EXPECT_FALSE(rig.tray.calls.contains("menu"));
}

TEST_F(TrayClicks, ShowFromTheMenuRestoresTheSettingsDialogWhenItIsInFront)
{
    rig.windows.openSettingsDialog();
    rig.loader.log.clear();
    rig.messages.onMenu(TrayMenuEntry::Show);
    EXPECT_EQ(windowLog(), QStringList({"frmMi03.restore", "frmMi03.show"}));
    EXPECT_FALSE(rig.flags.hiddenToTray);
}

// Quitting closes the front window while it still counts as hidden in the tray, so it is
// remembered as minimised; then the main window, whose closing ends the program.
struct QuitCase {
    const char* name;
    bool simpleController;
    QStringList windowLog;
};

void PrintTo(const QuitCase& c, std::ostream* os)
{
    *os << c.name;
}

class QuitFromTray : public TrayClicks, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitFromTray, ClosesTheFrontWindowThenTheMainWindow)
{
    const QuitCase& c = GetParam();
    rig.settings.setInteger(SettingKey::ShowTxtSimpleUse, c.simpleController ? 1 : 0);
    const QString front = c.windowLog.value(0).section(u'.', 0, 0);
    if (front == u"frmMi03")
        rig.windows.openSettingsDialog();
    else if (front == u"frmMi01")
        rig.windows.openController();
    else if (front == u"frmMi01a")
        rig.windows.openSimpleController();
    bool hiddenWhileClosing = false;
    rig.loader.onClose[front] = [&] { hiddenWhileClosing = rig.flags.hiddenToTray; };
    rig.loader.log.clear();

    rig.messages.onMenu(TrayMenuEntry::Quit);
    EXPECT_TRUE(rig.flags.quitting);
    EXPECT_EQ(windowLog(), c.windowLog);
    EXPECT_TRUE(hiddenWhileClosing);
}

INSTANTIATE_TEST_SUITE_P(
    FrontWindows, QuitFromTray,
    ::testing::Values(
        QuitCase{"MainWindow", false, {"frmMi00.restore", "frmMi00.show", "frmMi00.close"}},
        QuitCase{"Controller", false, {"frmMi01.restore", "frmMi01.show", "frmMi01.close", "frmMi00.close"}},
        QuitCase{"SimpleController", true, {"frmMi01a.restore", "frmMi01a.show", "frmMi01a.close", "frmMi00.close"}},
        QuitCase{"SettingsDialog", false, {"frmMi03.restore", "frmMi03.show", "frmMi03.close", "frmMi00.close"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayClicks, WithoutAFrontWindowNothingIsRestoredOrClosed)
{
    rig.windows.closeMainWindow();  // the front window is none
    rig.loader.log.clear();
    rig.messages.onMessage(513);
    rig.messages.onMenu(TrayMenuEntry::Quit);
    EXPECT_TRUE(windowLog().isEmpty());
    EXPECT_TRUE(rig.flags.hiddenToTray);
}

} // namespace
} // namespace qc
