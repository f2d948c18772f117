#include "script/script.h"
#include "settings/settingsfile.h"
#include "shell/lifecycle.h"
#include "shell/programvalues.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/fakefiles.h"
#include "doubles/fakefirstrunwindows.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/fakeservices.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingmessagebox.h"
#include "doubles/recordingtasktray.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class LifecycleTest : public ::testing::Test {
protected:
    void start(const QString& commandLine, bool splashMinimised = false)
    {
        lifecycle.initialize(QStringLiteral("/prog"), commandLine, QStringLiteral("/work"), splashMinimised);
    }

    test::FakeFiles files;
    test::RecordingMessageBox messages;
    test::FakeScreen screen;
    test::FakeFontProbe fonts;
    test::FakeFirstRunWindows firstRun;
    test::FakeSingleInstance singleInstance;
    test::FakeOsVersion osVersion;
    test::FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    ProgramValues values;
    Settings settings;
    SettingsFile settingsFile{files, files, messages, screen, fonts};
    Script script{files, files, messages};
    WindowManager windows{registry, records, settings, screen};
    int ended = 0;
    test::RecordingTaskTray tray{loader.log};
    Lifecycle lifecycle{{values, settings, settingsFile, script, windows, firstRun, tray},
                        {singleInstance, messages, osVersion, files, [this] { ++ended; }}};
};

TEST_F(LifecycleTest, StartsInItsFixedOrder)
{
    files.put("/prog/QCST.TXT", {"Hello"});
    start(QString());
    EXPECT_EQ(singleInstance.askedFor, "/prog/");
    EXPECT_EQ(values.programFolder, "/prog/");
    EXPECT_EQ(values.settingsFilePath, "/prog/QCST.INI");
    EXPECT_EQ(values.osVersion, "6.001");
    EXPECT_EQ(firstRun.measured, 1);
    EXPECT_EQ(script.location().path, "/prog/QCST.TXT");
    EXPECT_EQ(loader.log, QStringList({"frmCk00.load", "frmMf00.load", "frmMi00.load", "frmMi00.show"}));
    EXPECT_EQ(windows.frontWindow(), FrontWindow::Main);
    EXPECT_EQ(ended, 0);
}

TEST_F(LifecycleTest, ASecondCopyEndsWithItsMessageAndTouchesNothing)
{
    singleInstance.otherCopyRunning = true;
    start(QString());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "二重起動しています。終了します。");
    EXPECT_EQ(messages.shown[0].title, "Quillcast");
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(loader.log.isEmpty());
    EXPECT_EQ(firstRun.measured, 0);
}

TEST_F(LifecycleTest, TheFirstScript)
{
    const struct {
        const char* commandLine;
        bool defaultScriptOn;
        const char* loaded;
    } cases[] = {
        {"\"/shows/my show.txt\"", true, "/shows/my show.txt"},
        {"/shows/my show.txt", false, "/shows/my show.txt"},       // named: loaded even with QCST.TXT off
        {"/shows/missing.txt", true, "/prog/QCST.TXT"},            // missing: as if none was named
        {"/shows/missing.txt", false, ""},
        {"local.txt", true, "/work/local.txt"},                    // relative to where it was started
        {"\"", true, "/prog/QCST.TXT"},
    };
    for (const auto& c : cases) {
        files.put("/prog/QCST.TXT", {"default"});
        files.put("/shows/my show.txt", {"named"});
        files.put("/work/local.txt", {"local"});
        files.put("/prog/QCST.INI", {"[QCST]", c.defaultScriptOn ? "ShowTxtQcTxt=1" : "ShowTxtQcTxt=0"});
        script.setLocation({});
        script.clear();
        start(QString::fromUtf8(c.commandLine));
        EXPECT_EQ(script.location().path, QString::fromUtf8(c.loaded)) << c.commandLine;
    }
}

TEST_F(LifecycleTest, NoDefaultScriptLeavesNoPath)
{
    start(QString());
    EXPECT_EQ(script.location().path, "");
    EXPECT_EQ(script.content().lineCount(), 0);
}

TEST_F(LifecycleTest, OsVersionText)
{
    EXPECT_EQ(osVersionText(6, 1), "6.001");
    EXPECT_EQ(osVersionText(5, 1), "5.001");
    EXPECT_EQ(osVersionText(10, 0), "10.000");
    EXPECT_EQ(osVersionText(6, 12345), "6.345");
    osVersion.version.reset();
    start(QString());
    EXPECT_EQ(values.osVersion, "0.000");
    EXPECT_EQ(settings.winTuneWidth, 210);   // no allowances without a known version
}

TEST_F(LifecycleTest, AMinimisedSplashOpensTheMainWindowMinimised)
{
    start(QString(), true);
    EXPECT_EQ(settings.text(SettingKey::Win00State), "1");
}

TEST_F(LifecycleTest, ShutdownWritesTheSettingsAndEnds)
{
    start(QString());
    settings.setInteger(SettingKey::ShowTxtBreak, 3);
    loader.log.clear();
    lifecycle.shutdown();
    EXPECT_TRUE(files.contents("/prog/QCST.INI").contains("ShowTxtBreak=3"));
    EXPECT_EQ(loader.log, QStringList({"frmCk00.close", "frmMf00.close"}));
    EXPECT_EQ(ended, 1);
}

// The tray comes on after the first script and before the main window, and goes off before
// anything else at the end.
TEST_F(LifecycleTest, TheTraySettingTurnsTheTrayOnAtStartAndOffAtTheEnd)
{
    files.put("/prog/QCST.INI", {"[QCST]", "TaskUse=1", "TaskRefresh=2"});
    start(QString());
    lifecycle.shutdown();
    EXPECT_EQ(loader.log, QStringList({"frmCk00.load", "frmMf00.load", "tray.start", "frmMi00.load", "frmMi00.show",
                                       "tray.stop", "frmCk00.close", "frmMf00.close"}));
}

TEST_F(LifecycleTest, WithoutTheTraySettingTheTrayIsNeverTouched)
{
    files.put("/prog/QCST.INI", {"[QCST]", "TaskUse=0", "TaskRefresh=2"});
    start(QString());
    lifecycle.shutdown();
    EXPECT_FALSE(loader.log.join(u' ').contains(u"tray")) << loader.log.join(u' ').toStdString();
}

} // namespace
} // namespace qc
