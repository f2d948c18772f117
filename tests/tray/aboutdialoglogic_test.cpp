#include "windows/windowflags.h"
#include "tray/aboutdialoglogic.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakescreen.h"
#include "doubles/fakewindows.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class FakeAboutView : public AboutDialogView {
public:
    WindowRect rect() const override { return place; }
    void moveTo(int left, int top) override
    {
        place.left = left;
        place.top = top;
    }
    WindowState windowState() const override { return WindowState::Normal; }
    void setWindowState(WindowState state) override { restored += state == WindowState::Normal ? 1 : 0; }
    void showWindow() override {}
    void hideWindow() override { hidden = true; }
    WindowRect place{0, 0, 3855, 2790};
    int restored = 0;
    bool hidden = false;
};

class AboutDialogTest : public ::testing::Test {
protected:
    test::FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    Settings settings = test::defaultSettings();
    test::FakeScreen screen{15360, 11520};
    WindowManager windows{registry, records, settings, screen};
    WindowFlags flags;
    FakeAboutView view;
    AboutDialogLogic logic{view, windows, flags, screen};
};

TEST_F(AboutDialogTest, OpensCentredRoundedDown)
{
    logic.onLoad();
    EXPECT_EQ(view.place.left, 5752);   // (15360 - 3855) / 2 = 5752.5
    EXPECT_EQ(view.place.top, 4365);
    EXPECT_EQ(view.restored, 1);
}

TEST_F(AboutDialogTest, ClosingReturnsToTheMainWindow)
{
    windows.openAboutDialog();
    loader.onClose["frmMi80"] = [this] { logic.onQueryUnload(); logic.onUnload(); };
    loader.log.clear();
    logic.onOk();
    EXPECT_TRUE(view.hidden);
    EXPECT_EQ(loader.log, QStringList({"frmMi80.close", "frmMi00.load", "frmMi00.restore", "frmMi00.show"}));
    EXPECT_EQ(windows.frontWindow(), FrontWindow::Main);
}

TEST_F(AboutDialogTest, EscQuitsTheProgram)
{
    windows.openMainWindow();
    windows.openAboutDialog();
    loader.onClose["frmMi80"] = [this] { logic.onQueryUnload(); logic.onUnload(); };
    loader.log.clear();
    EXPECT_TRUE(logic.onKeyPress(QChar(27)));
    EXPECT_TRUE(flags.quitting);
    EXPECT_EQ(loader.log, QStringList({"frmMi80.close", "frmMi00.close"}));   // no way back to the main window
    EXPECT_FALSE(logic.onKeyPress(u'a'));
}

} // namespace
} // namespace qc
