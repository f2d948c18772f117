#include "presentation/displaycommands.h"
#include "script/keynames.h"
#include "script/script.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakedisplayport.h"
#include "doubles/fakefiles.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using K = SettingKey;

class DisplayCommandsTest : public ::testing::Test {
protected:
    DisplayCommandsTest()
    {
        files.put("/show/s.txt", {"'qc-title Night Show", "text"});
        script.setLocation(ScriptLocation::ofPath("/show/s.txt"));
        script.load();
    }

    // Stages one key through its script line.
    void stage(int slot, const QString& value)
    {
        const QString name = kDisplayKeyNames[std::size_t(slot - 1)];
        ASSERT_TRUE(commands.stage({QStringLiteral("@qc-set %1=\"%2\"").arg(name, value), LineKind::Command,
                                    Command::Set}));
    }

    // Stages one key as a script line would, then checks and applies it.
    void run(int slot, const QString& value)
    {
        stage(slot, value);
        commands.check();
        commands.apply();
        commands.clear();
    }

    QString checked(int slot, const QString& value)
    {
        stage(slot, value);
        commands.check();
        const QString result = commands.staged().values[std::size_t(slot)];
        commands.clear();
        return result;
    }

    test::FakeFiles files;
    test::RecordingMessageBox messages;
    Script script{files, files, messages};
    Settings settings = test::defaultSettings();
    test::FakeDisplayPort display;
    test::FakeControllerPlace controller;
    test::FakeScreen screen{19200, 14400};
    test::FakeFontProbe fonts{{QStringLiteral("IPAGothic")}, QStringLiteral("IPAPGothic")};
    QList<int> clipSwitches;
    DisplayCommands commands{{settings, script, display, controller, [this](int v) { clipSwitches << v; }},
                             screen, fonts};
};

TEST_F(DisplayCommandsTest, ChecksEachKey)
{
    const struct {
        int slot;
        QString value;
        QString expected;
    } cases[] = {
        {2, "7", "20"},       {2, "100", "20"},     {2, "12.5", "12"},    {2, "99999", "20"},
        {2, "RESET", "reset"}, {3, "1", "1"},        {3, "2", "0"},        {4, "-1", "0"},
        {5, "F00", "000F00"}, {5, "12345G", "000000"}, {6, "zz", "FFFFFF"}, {6, "ffffff", "FFFFFF"},
        {7, "50", "50"},      {7, "250", "reset"},  {7, "-100", "-100"},  {8, "12.50", "12.50"},
        {9, "0.5", "reset"},  {9, "100", "100"},    {10, "Reset", "reset"}, {11, "1", "1"},
        {11, "3", "0"},       {12, QString(100, u't'), QString(80, u't')}, {13, "1", "1"},
        {13, "x", "0"},       {1, "IPAGothic", "IPAGothic"}, {1, "NoSuchFace", "IPAPGothic"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checked(c.slot, c.value), c.expected) << c.slot << " " << c.value.toStdString();
}

TEST_F(DisplayCommandsTest, NothingIsAppliedWithoutACheckedValue)
{
    commands.apply();
    EXPECT_EQ(display.place.left, 1000);
    EXPECT_TRUE(display.caption.isEmpty());
}

TEST_F(DisplayCommandsTest, PlaceAndSizeArePercentagesOfTheScreen)
{
    run(7, "50");
    EXPECT_EQ(display.place.left, 9600);
    run(7, "-100");
    EXPECT_EQ(display.place.left, -19200);   // nothing keeps it on the screen
    run(8, "12.5");
    EXPECT_EQ(display.place.top, 1800);
    run(9, "5");
    EXPECT_EQ(display.place.width, 2000);    // 960 asked, the minimum given
    run(10, "1");
    EXPECT_EQ(display.place.height, 1500);
    run(9, "50");
    EXPECT_EQ(display.place.width, 9600);
    settings.setText(K::Win02Left, "4321");
    settings.setText(K::Win02Width, "1000");
    run(7, "reset");
    run(9, "reset");
    EXPECT_EQ(display.place.left, 4321);
    EXPECT_EQ(display.place.width, 2000);
}

TEST_F(DisplayCommandsTest, LookKeysAndTheirResets)
{
    run(1, "IPAGothic");
    run(2, "30");
    run(3, "1");
    run(4, "1");
    run(5, "ff8000");
    run(6, "203060");
    run(12, "On air");
    EXPECT_EQ(display.fontName, "IPAGothic");
    EXPECT_EQ(display.fontSize, 30);
    EXPECT_TRUE(display.bold);
    EXPECT_TRUE(display.italic);
    EXPECT_EQ(display.foreColor, "FF8000");
    EXPECT_EQ(display.backColor, "203060");
    EXPECT_EQ(display.caption, "On air");

    commands.stageReset();
    commands.check();
    commands.apply();
    EXPECT_EQ(display.fontName, settings.text(K::ShowTxtFName));
    EXPECT_EQ(display.fontSize, 20);
    EXPECT_FALSE(display.bold);
    EXPECT_EQ(display.foreColor, "000000");
    EXPECT_EQ(display.backColor, "FFFFFF");
    EXPECT_EQ(display.caption, "Night Show");
    EXPECT_EQ(clipSwitches.last(), 1);          // back to ShowTxtClip
}

TEST_F(DisplayCommandsTest, ClipKeySetsTheClipSwitch)
{
    run(11, "0");
    EXPECT_EQ(clipSwitches, QList<int>({0}));
}

TEST_F(DisplayCommandsTest, ShelterQuadrants)
{
    const struct {
        WindowRect controller;
        int left;
        int top;
    } cases[] = {
        {{100, 200, 4000, 1000}, 100, 1300},                   // upper left: below, left-aligned
        {{15000, 200, 4000, 1000}, 17000, 1300},               // upper right: below, right-aligned
        {{100, 12000, 4000, 1000}, 100, 10400},                // lower left: above
        {{15000, 12000, 4000, 1000}, 17000, 10400},            // lower right: above, right-aligned
        {{6000, 200, 4000, 1000}, 8000, 1300},                 // centre past 40 %, short of half: right
    };
    for (const auto& c : cases) {
        controller.rect = c.controller;
        commands.refreshShelterRect();
        ASSERT_TRUE(commands.shelterRect());
        EXPECT_EQ(commands.shelterRect()->left, c.left);
        EXPECT_EQ(commands.shelterRect()->top, c.top);
        EXPECT_EQ(commands.shelterRect()->width, 2000);
        EXPECT_EQ(commands.shelterRect()->height, 1500);
    }
}

TEST_F(DisplayCommandsTest, ShelterMovesFollowsAndComesBack)
{
    controller.rect = WindowRect{15000, 12000, 4000, 1000};
    commands.refreshShelterRect();
    run(13, "1");
    EXPECT_TRUE(commands.isSheltered());
    EXPECT_EQ(display.place.left, 17000);
    EXPECT_EQ(display.place.top, 10400);
    EXPECT_EQ(display.place.width, 2000);
    EXPECT_EQ(display.place.height, 1500);

    run(7, "10");                              // ignored while sheltered
    EXPECT_EQ(display.place.left, 17000);

    controller.rect = WindowRect{100, 200, 4000, 1000};
    commands.refreshShelterRect();
    commands.followShelter();
    EXPECT_EQ(display.place.left, 100);
    EXPECT_EQ(display.place.top, 1300);

    commands.leaveShelter();
    EXPECT_FALSE(commands.isSheltered());
    EXPECT_EQ(display.place.left, 1000);
    EXPECT_EQ(display.place.width, 8000);

    run(13, "1");
    run(13, "RESET");
    EXPECT_FALSE(commands.isSheltered());
    EXPECT_EQ(display.place.width, 8000);
    run(13, "1");
    commands.forgetShelter();
    EXPECT_FALSE(commands.isSheltered());
    EXPECT_FALSE(commands.shelterRect());
}

TEST_F(DisplayCommandsTest, ClearEmptiesTheStagedValues)
{
    stage(2, "30");
    commands.check();
    EXPECT_TRUE(commands.isPending());
    commands.clear();
    EXPECT_EQ(commands.staged().values[2], "");
    EXPECT_EQ(commands.staged().anyKeySet, "");
    EXPECT_FALSE(commands.isPending());
}

} // namespace
} // namespace qc
