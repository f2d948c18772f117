#include "settings/settingsfile.h"

#include "doubles/fakefiles.h"
#include "doubles/fakefirstrunwindows.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using K = SettingKey;

const QString kIni = QStringLiteral("/prog/QCST.INI");

class SettingsFileTest : public ::testing::Test {
protected:
    void read(const QStringList& overrides = {}, const QString& osVersion = QStringLiteral("6.001"))
    {
        settingsFile.read(settings, {kIni, QStringLiteral("/prog/"), osVersion}, windows, overrides);
    }

    void readFile(const QStringList& lines)
    {
        files.put(kIni, QStringList{"[QCST]"} + lines);
        read();
    }

    test::FakeFiles files;
    test::RecordingMessageBox messages;
    test::FakeScreen screen{15360, 11520};
    test::FakeFontProbe fonts;
    test::FakeFirstRunWindows windows;
    SettingsFile settingsFile{files, files, messages, screen, fonts};
    Settings settings;
};

TEST_F(SettingsFileTest, FirstRunPlacesTheWindowsFromTheScreen)
{
    read();
    EXPECT_EQ(windows.measured, 1);
    EXPECT_EQ(settings.text(K::Win02Width), "11059");
    EXPECT_EQ(settings.text(K::Win02Height), "4838");
    // Centred for their own sizes.
    EXPECT_EQ(settings.text(K::Win00Left), QString::number((15360 - 5280) / 2));
    EXPECT_EQ(settings.text(K::Win00Top), QString::number((11520 - 3135) / 2));
    EXPECT_EQ(settings.text(K::Win03Left), QString::number((15360 - 7000) / 2));
    EXPECT_EQ(settings.text(K::Win03Top), QString::number((11520 - 6000) / 2));
    // The controller towards the bottom right, the display at the right edge.
    EXPECT_EQ(settings.text(K::Win01Left), "8520");    // 0.75 x 11360
    EXPECT_EQ(settings.text(K::Win01Top), "8472");     // 0.89 x 9520 = 8472.8
    EXPECT_EQ(settings.text(K::Win02Left), "4137");    // 0.962 x 4301 = 4137.562
    EXPECT_EQ(settings.text(K::Win02Top), "3908");     // 0.585 x 6682 = 3908.97
    EXPECT_EQ(settings.winTuneWidth, 330);
    EXPECT_EQ(settings.winTuneHeight, 660);
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 10);
    EXPECT_EQ(settings.integer(K::ShowTxtClip), 1);
    EXPECT_EQ(settings.text(K::InitDir), "/prog/");
    EXPECT_EQ(settings.text(K::ShowTxtFName), "ＭＳ Ｐゴシック");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsFileTest, FirstRunOnAnOlderSystemHasNoAllowances)
{
    read({}, QStringLiteral("5.001"));
    EXPECT_EQ(settings.text(K::WinTuneAddWidth), "0");
    EXPECT_EQ(settings.winTuneWidth, 210);
    EXPECT_EQ(settings.winTuneHeight, 600);
}

TEST_F(SettingsFileTest, ValuesAreCheckedOnReading)
{
    readFile({"ShowTxtFSize=100", "ShowTxtFBold=1", "ShowTxtFColor=12345G", "ShowTxtBColor=",
              "ShowTxtBreak=8.5", "InitDir=relative/folder", "ShowTxtFName=NoSuchFace",
              "ShowTxtClipSpace=" + QString(90, u'、'), "Win00Left=99999", "Win01Top=-5",
              "ShowTxtVoiceSoft=/opt/voice/run.sh", "Win01State=1"});
    EXPECT_EQ(settings.integer(K::ShowTxtFSize), 20);
    EXPECT_EQ(settings.integer(K::ShowTxtFBold), 1);
    EXPECT_EQ(settings.text(K::ShowTxtFColor), "000000");
    EXPECT_EQ(settings.text(K::ShowTxtBColor), "FFFFFF");
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 8);          // half to even
    EXPECT_EQ(settings.text(K::InitDir), "/prog/");
    EXPECT_EQ(settings.text(K::ShowTxtFName), "IPAPGothic");  // the face really used
    EXPECT_EQ(settings.text(K::ShowTxtClipSpace), QString(80, u'、'));
    EXPECT_EQ(settings.text(K::Win00Left), "7680");
    EXPECT_EQ(settings.text(K::Win01Top), "5760");
    EXPECT_EQ(settings.text(K::ShowTxtVoiceSoft), "/opt/voice/run.sh");
    EXPECT_EQ(settings.text(K::Win01State), "1");             // states are taken as read
    EXPECT_EQ(windows.measured, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsFileTest, OnlyExactKeyLinesCount)
{
    readFile({"showtxtbreak=3", "ShowTxtBreak = 4", " ShowTxtBreak=5", "ShowTxtBreak=6",
              "ShowTxtBreak=7", "Unknown=1"});
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 7);   // the last occurrence wins
}

TEST_F(SettingsFileTest, TaskRefreshIsKeptWithoutTheTray)
{
    readFile({"TaskUse=0", "TaskRefresh=2"});
    EXPECT_EQ(settings.integer(K::TaskUse), 0);
    EXPECT_EQ(settings.integer(K::TaskRefresh), 2);
}

TEST_F(SettingsFileTest, WinTuneRule)
{
    const struct {
        QStringList lines;
        int width;
        int height;
    } cases[] = {
        {{"WinTuneAddWidth=-50", "WinTuneAddHeight=20"}, 160, 620},
        {{"WinTuneAddWidth=300", "WinTuneAddHeight=10"}, 330, 660},   // out of range: OS defaults
        {{"WinTuneAddWidth=40"}, 330, 660},                           // only one: OS defaults
        {{"WinTuneAddWidth=", "WinTuneAddHeight=5"}, 330, 660},
        {{"WinTuneAddWidth= 12.5 ", "WinTuneAddHeight=0"}, 222, 600}, // kept as written, read strictly
    };
    for (const auto& c : cases) {
        settings = Settings();
        readFile(c.lines);
        EXPECT_EQ(settings.winTuneWidth, c.width) << c.lines.join(' ').toStdString();
        EXPECT_EQ(settings.winTuneHeight, c.height) << c.lines.join(' ').toStdString();
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsFileTest, AValueThatCannotBeReadTellsTheOperatorOnceAndTheRestIsStillChecked)
{
    readFile({"ShowTxtFColor=xyz", "ShowTxtBreak=3", "ShowTxtFSize=40000", "ShowTxtBColor=123",
              "Win00Left=1e300"});
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "設定ファイル読み込みエラーです。");
    EXPECT_EQ(messages.shown[0].title, "QCST");
    EXPECT_EQ(settings.text(K::ShowTxtFSize), "20");
    EXPECT_EQ(settings.integer(K::ShowTxtFSize), 20);
    EXPECT_EQ(settings.text(K::ShowTxtFColor), "000000");
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 3);
    EXPECT_EQ(settings.text(K::ShowTxtBColor), "000123");
    EXPECT_EQ(settings.text(K::Win00Left), QString::number(15360 / 2));
}

// A value that cannot be read takes the key's default, which is what the next save writes:
// the same message never comes back at the next start, and no window ever gets the bad value.
struct UnreadableCase {
    const char* lines;  // separated by "|"
    SettingKey key;
    const char* inForce;
};

void PrintTo(const UnreadableCase& c, std::ostream* os)
{
    *os << c.lines;
}

class UnreadableValues : public SettingsFileTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableValues, TakeTheirDefaultAndTheNextSaveRepairsTheFile)
{
    const UnreadableCase& c = GetParam();
    const QStringList bad = QString::fromLatin1(c.lines).split(u'|');
    readFile(bad + QStringList{"ShowTxtBreak=3", "Win03Top=100"});
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(settings.text(c.key), QString::fromLatin1(c.inForce));
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 3) << "a later key was left unchecked";
    EXPECT_EQ(settings.text(K::Win03Top), "100");

    settingsFile.write(settings, kIni);
    EXPECT_FALSE(files.contents(kIni).contains(bad.first()));
    messages.shown.clear();
    read();
    EXPECT_TRUE(messages.shown.empty()) << "the saved file still cannot be read";
    EXPECT_EQ(settings.text(c.key), QString::fromLatin1(c.inForce));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, UnreadableValues,
    ::testing::Values(UnreadableCase{"Win00Left=1e300", K::Win00Left, "7680"},
                      UnreadableCase{"Win01Left=1e300", K::Win01Left, "7680"},
                      UnreadableCase{"Win03Left=1e300", K::Win03Left, "7680"},
                      UnreadableCase{"Win02Top=-1e300", K::Win02Top, "5760"},
                      UnreadableCase{"Win02Width=1e10", K::Win02Width, "11059"},
                      UnreadableCase{"Win02Height=1e10", K::Win02Height, "4838"},
                      UnreadableCase{"WinTuneAddWidth=abc|WinTuneAddHeight=10", K::WinTuneAddWidth, "120"},
                      UnreadableCase{"ShowTxtFSize=40000", K::ShowTxtFSize, "20"},
                      UnreadableCase{"TaskRefresh=1e9", K::TaskRefresh, "1"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(SettingsFileTest, AWinTuneThatIsNotANumberLeavesBothAllowancesAtTheSystemsDefaults)
{
    readFile({"WinTuneAddWidth=abc", "WinTuneAddHeight=10"});
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(settings.text(K::WinTuneAddHeight), "60");
    EXPECT_EQ(settings.winTuneWidth, 330);
    EXPECT_EQ(settings.winTuneHeight, 660);
}

TEST_F(SettingsFileTest, AFileOfBinaryDataIsAReadErrorNotSilentDefaults)
{
    readFile({QString(40, QChar(0)), "ShowTxtBreak=3"});
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 10);
    EXPECT_EQ(settingsFile.unreadableKeys(), QStringList({QString()}));
}

TEST_F(SettingsFileTest, AnUnreadableFileKeepsTheDefaults)
{
    files.putUnreadable(kIni);
    read();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 10);
    EXPECT_EQ(windows.measured, 0);
}

TEST_F(SettingsFileTest, OverridesAreCheckedEvenOnAFirstRun)
{
    read({"ShowTxtBreak=2", "ShowTxtClip=0", "ShowTxtFSize=7"});
    EXPECT_EQ(windows.measured, 1);
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 2);
    EXPECT_EQ(settings.integer(K::ShowTxtClip), 0);
    EXPECT_EQ(settings.integer(K::ShowTxtFSize), 20);
}

TEST_F(SettingsFileTest, WritesEveryKeyInOrder)
{
    read();
    settings.setInteger(K::ShowTxtBreak, 4);
    settingsFile.write(settings, kIni);
    const QStringList written = files.contents(kIni);
    ASSERT_EQ(written.size(), 35);
    EXPECT_EQ(written[0], "[QCST]");
    EXPECT_EQ(written[1], "Win00State=0");
    EXPECT_EQ(written[27], "ShowTxtBreak=4");       // the integer form is what is saved
    EXPECT_EQ(written[34], "ShowTxtVoiceSoftAuto=0");
    for (int i = 0; i < kSettingCount; ++i)
        EXPECT_TRUE(written[i + 1].startsWith(QString(settingName(settingKeyAt(i))) + u'='));
}

TEST_F(SettingsFileTest, AMinimisedControllerOrDialogIsRememberedAsAMinimisedMainWindow)
{
    read();
    settings.setText(K::Win01State, QStringLiteral("1"));
    settings.setText(K::Win03State, QStringLiteral("1"));
    settingsFile.write(settings, kIni);
    const QStringList written = files.contents(kIni);
    EXPECT_TRUE(written.contains("Win00State=1"));
    EXPECT_TRUE(written.contains("Win01State=0"));
    EXPECT_TRUE(written.contains("Win03State=0"));
}

TEST_F(SettingsFileTest, WhatIsWrittenReadsBackTheSame)
{
    readFile({"ShowTxtFSize=33", "ShowTxtFColor=ff8000", "Win02Left=1234", "ShowTxtClipSpace=、、",
              "WinTuneAddWidth=-10", "WinTuneAddHeight=15", "Stale=1"});
    settingsFile.write(settings, kIni);
    const QStringList first = files.contents(kIni);
    EXPECT_FALSE(first.join('\n').contains("Stale"));   // unknown keys are not written again
    Settings reread;
    settings = reread;
    read();
    settingsFile.write(settings, kIni);
    EXPECT_EQ(files.contents(kIni), first);
    EXPECT_EQ(settings.integer(K::ShowTxtFSize), 33);
    EXPECT_EQ(settings.text(K::ShowTxtFColor), "FF8000");
}

TEST_F(SettingsFileTest, AFailedWriteTellsTheOperator)
{
    read();
    files.failWrites(true);
    settingsFile.write(settings, kIni);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "設定ファイル書き込みエラーです。");
}

} // namespace
} // namespace qc
