#include "remote/remotecontrol.h"

#include "doubles/fakefiles.h"
#include "doubles/recordingremotelistener.h"
#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

const QString kPath = QStringLiteral("/prog/QCREMOTE.INI");


class RemoteControlTest : public ::testing::Test {
protected:
    test::FakeFiles files;
    test::RecordingMessageBox messages;
    test::RecordingRemoteListener listener;
    RemoteAccess access;
    RemoteControl control{{files, messages, listener, access, [](const QString& address) {
                               return QList<QString>{address == u"0.0.0.0" ? QStringLiteral("192.168.1.20") : address};
                           }}};
};

TEST_F(RemoteControlTest, StaysOffUnlessTheFileOrTheCommandLineAsks)
{
    control.start(kPath, std::nullopt);
    EXPECT_FALSE(control.listening());
    EXPECT_TRUE(listener.log.isEmpty());

    control.start(kPath, RemoteAsk{std::nullopt, 9000});
    EXPECT_TRUE(control.listening());
    EXPECT_EQ(listener.log, QStringList({"start 127.0.0.1:9000"}));
    EXPECT_TRUE(access.loopbackOnly);
    EXPECT_EQ(access.port, 9000);
    EXPECT_EQ(access.token.size(), 32);
    EXPECT_EQ(readRemoteSettings(files, kPath).token, access.token) << "the token is kept for the next run";
}

TEST_F(RemoteControlTest, APortInUseIsToldAndNothingListens)
{
    listener.taken << 9000;
    control.start(kPath, RemoteAsk{std::nullopt, 9000});
    EXPECT_FALSE(control.listening());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(u"9000"));
}

TEST_F(RemoteControlTest, TheOperatorsChoiceIsKeptAndInForceAtOnce)
{
    control.start(kPath, std::nullopt);
    RemoteSettings chosen;
    chosen.on = true;
    chosen.listen = {QStringLiteral("0.0.0.0"), 9100};
    control.apply(chosen);
    EXPECT_TRUE(control.listening());
    EXPECT_FALSE(access.loopbackOnly);
    EXPECT_EQ(access.hosts, QList<QString>{"192.168.1.20"});
    const RemoteSettings kept = readRemoteSettings(files, kPath);
    EXPECT_TRUE(kept.on);
    EXPECT_EQ(kept.listen.port, 9100);
    EXPECT_EQ(kept.token, access.token);
    const QString token = access.token;

    // Listening beyond this machine, every page's address carries the token.
    EXPECT_EQ(control.pageUrl(QStringLiteral("/"), QStringLiteral("192.168.1.20")),
              "http://192.168.1.20:9100/?token=" + token);
    EXPECT_EQ(control.pageUrl(QStringLiteral("/overlay"), QStringLiteral("127.0.0.1")),
              "http://127.0.0.1:9100/overlay?token=" + token);
    RemoteSettings local = chosen;
    local.listen.address = QStringLiteral("127.0.0.1");
    EXPECT_EQ(remotePageUrl(local, 9100, QStringLiteral("/overlay"), QStringLiteral("127.0.0.1")),
              "http://127.0.0.1:9100/overlay") << "this machine alone needs no token";

    chosen.on = false;
    listener.log.clear();
    control.apply(chosen);
    EXPECT_FALSE(control.listening());
    EXPECT_EQ(listener.log, QStringList({"stop"}));
    EXPECT_FALSE(readRemoteSettings(files, kPath).on);
    EXPECT_EQ(readRemoteSettings(files, kPath).token, token) << "the token stays until a new one is asked for";
}

} // namespace
} // namespace qc
