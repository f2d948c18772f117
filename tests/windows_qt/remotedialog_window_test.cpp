#include "remote/qtremotedialog.h"
#include "remote/remotecontrol.h"

#include "doubles/fakefiles.h"
#include "doubles/recordingremotelistener.h"
#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qc {
namespace {

const QString kPath = QStringLiteral("/prog/QCREMOTE.INI");


// What a phone's camera reads from the QR code the dialog shows.
QString scanned(const QPixmap& code)
{
    const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    if (zbarimg.isEmpty())
        return QStringLiteral("<zbarimg is not installed; scripts/setup installs it>");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("code.png"));
    code.save(path);
    QProcess reader;
    reader.start(zbarimg, {QStringLiteral("--raw"), QStringLiteral("-q"), path});
    reader.waitForFinished(10000);
    return QString::fromUtf8(reader.readAllStandardOutput()).trimmed();
}

class RemoteDialogWidget : public ::testing::Test {
protected:
    template <typename Widget = QWidget>
    Widget* child(const QtRemoteDialog& dialog, const char* name) const
    {
        return dialog.findChild<Widget*>(QString::fromLatin1(name));
    }

    test::FakeFiles files;
    test::RecordingMessageBox messages;
    test::RecordingRemoteListener listener;
    RemoteAccess access;
    RemoteControl control{{files, messages, listener, access, [](const QString& a) { return QList<QString>{a}; }}};
};

TEST_F(RemoteDialogWidget, OffShowsNoAddressAndCancelChangesNothing)
{
    control.start(kPath, std::nullopt);
    QtRemoteDialog dialog(control);
    EXPECT_EQ(dialog.windowTitle(), "リモート操作 - Quillcast");
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkRemoteOn")->isChecked());
    EXPECT_FALSE(child<QSpinBox>(dialog, "spnPort")->isEnabled());
    EXPECT_EQ(child<QSpinBox>(dialog, "spnPort")->value(), kDefaultRemotePort);
    EXPECT_EQ(child<QLabel>(dialog, "lblControlUrl")->text(), "（オフ）");
    EXPECT_TRUE(child<QLabel>(dialog, "imgQrCode")->isHidden());

    child<QCheckBox>(dialog, "chkRemoteOn")->setChecked(true);
    child<QPushButton>(dialog, "cmdCancel")->click();
    EXPECT_TRUE(listener.log.isEmpty());
    EXPECT_FALSE(files.fileExists(kPath));
}

TEST_F(RemoteDialogWidget, TheLocalNetworkGetsAnAddressWithTheTokenAndAQrCodeOfIt)
{
    control.start(kPath, std::nullopt);
    QtRemoteDialog dialog(control);
    child<QCheckBox>(dialog, "chkRemoteOn")->setChecked(true);
    EXPECT_EQ(child<QLabel>(dialog, "lblOverlayUrl")->text(), "http://127.0.0.1:8765/overlay");
    EXPECT_TRUE(child<QLabel>(dialog, "imgQrCode")->isHidden()) << "this machine only: nothing for a phone";

    child<QRadioButton>(dialog, "optNetwork")->setChecked(true);
    child<QSpinBox>(dialog, "spnPort")->setValue(9100);
    const QString controlPage = child<QLabel>(dialog, "lblControlUrl")->text();
    EXPECT_TRUE(controlPage.startsWith("http://" + QtRemoteDialog::networkHost() + ":9100/?token="))
        << controlPage.toStdString();
    const QString token = controlPage.section(u'=', 1);
    EXPECT_EQ(token.size(), 32);
    EXPECT_EQ(child<QLabel>(dialog, "lblOverlayUrl")->text(), "http://127.0.0.1:9100/overlay?token=" + token);
    ASSERT_FALSE(child<QLabel>(dialog, "imgQrCode")->isHidden());
    EXPECT_EQ(scanned(child<QLabel>(dialog, "imgQrCode")->pixmap()), controlPage);

    child<QPushButton>(dialog, "cmdNewToken")->click();
    EXPECT_NE(child<QLabel>(dialog, "lblControlUrl")->text().section(u'=', 1), token);
    const QString newToken = child<QLabel>(dialog, "lblControlUrl")->text().section(u'=', 1);

    child<QPushButton>(dialog, "cmdOk")->click();
    EXPECT_EQ(listener.log, QStringList({"stop", "start 0.0.0.0:9100"}));
    const RemoteSettings kept = readRemoteSettings(files, kPath);
    EXPECT_TRUE(kept.on);
    EXPECT_EQ(kept.listen.address, "0.0.0.0");
    EXPECT_EQ(kept.token, newToken);
    EXPECT_EQ(access.token, newToken);
}

} // namespace
} // namespace qc
