#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"
#include "settings/settingsfile.h"

#include "doubles/fakefirstrunwindows.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qc {
namespace {

// The settings file on a real disk.
class SettingsFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    DesktopTextFiles files;
    DesktopFileExistence existence;
    test::RecordingMessageBox messages;
    test::FakeScreen screen;
    test::FakeFontProbe fonts;
    test::FakeFirstRunWindows windows;
    SettingsFile settingsFile{files, existence, messages, screen, fonts};
    Settings settings;
};

TEST_F(SettingsFiles, AFolderInThePlaceOfTheFileIsAFirstRunThatCannotBeSaved)
{
    const QString ini = dir.filePath("QCST.INI");
    ASSERT_TRUE(QDir().mkpath(ini));
    settingsFile.read(settings, {ini, dir.path() + u'/', "6.001"}, windows);
    EXPECT_EQ(windows.measured, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
    settingsFile.write(settings, ini);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "設定ファイル書き込みエラーです。");
    EXPECT_TRUE(QFileInfo(ini).isDir());
}

TEST_F(SettingsFiles, ShiftJisAndUtf8FilesReadAlike)
{
    const QString ini = dir.filePath("QCST.INI");
    for (const QByteArray& bytes : {QByteArray("[QCST]\r\nShowTxtClipSpace=\x81\x41\x81\x41\r\n"),
                                    QByteArray("\xEF\xBB\xBF[QCST]\nShowTxtClipSpace=\xE3\x80\x81\xE3\x80\x81\n")}) {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        settingsFile.read(settings, {ini, dir.path() + u'/', "6.001"}, windows);
        EXPECT_EQ(settings.text(SettingKey::ShowTxtClipSpace), "、、");
    }
}

} // namespace
} // namespace qc
