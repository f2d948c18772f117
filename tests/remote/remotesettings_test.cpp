#include "remote/remotesettings.h"

#include "doubles/fakefiles.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

const QString kPath = QStringLiteral("/prog/QCREMOTE.INI");

TEST(RemoteSettings, ReadsWhatItWritesAndDefaultsWhatItCannotRead)
{
    test::FakeFiles files;
    EXPECT_FALSE(readRemoteSettings(files, kPath).on) << "off until the operator turns it on";
    EXPECT_EQ(readRemoteSettings(files, kPath).listen.address, "127.0.0.1");
    EXPECT_EQ(readRemoteSettings(files, kPath).listen.port, kDefaultRemotePort);

    const RemoteSettings kept{true, {QStringLiteral("0.0.0.0"), 9000}, newRemoteToken()};
    ASSERT_TRUE(writeRemoteSettings(files, kPath, kept));
    const RemoteSettings read = readRemoteSettings(files, kPath);
    EXPECT_TRUE(read.on);
    EXPECT_EQ(read.listen.address, "0.0.0.0");
    EXPECT_EQ(read.listen.port, 9000);
    EXPECT_EQ(read.token, kept.token);

    files.put(kPath, {"[Remote]", "On=yes", "Address=example.com", "Port=70000", "Token=short"});
    const RemoteSettings bad = readRemoteSettings(files, kPath);
    EXPECT_FALSE(bad.on);
    EXPECT_EQ(bad.listen.address, "127.0.0.1");
    EXPECT_EQ(bad.listen.port, kDefaultRemotePort);
    EXPECT_EQ(bad.token, "") << "a token that is not one of ours is made anew";
}

TEST(RemoteSettings, TokensAreLongAndNeverRepeat)
{
    const QString a = newRemoteToken();
    EXPECT_EQ(a.size(), 32);
    EXPECT_NE(a, newRemoteToken());
}

TEST(RemoteSettings, TheCommandLineOption)
{
    const struct {
        const char* argument;
        bool isOption;
        std::optional<QString> address;
        std::optional<quint16> port;
        bool error;
    } cases[] = {
        {"--remote", true, std::nullopt, std::nullopt, false},
        {"--remote=9000", true, std::nullopt, 9000, false},
        {"--remote=0.0.0.0:9000", true, QStringLiteral("0.0.0.0"), 9000, false},
        {"--remote=[::1]:9001", true, QStringLiteral("::1"), 9001, false},
        {"--remote=", true, std::nullopt, std::nullopt, true},
        {"--remote=0", true, std::nullopt, std::nullopt, true},
        {"--remote=65536", true, std::nullopt, std::nullopt, true},
        {"--remote=host.example:9000", true, std::nullopt, std::nullopt, true},
        {"--remote=1.2.3.4:", true, std::nullopt, std::nullopt, true},
        {"--remotes", false, std::nullopt, std::nullopt, false},
        {"show.txt", false, std::nullopt, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const auto parsed = parseRemoteOption(QString::fromUtf8(c.argument));
        ASSERT_EQ(parsed.has_value(), c.isOption) << c.argument;
        if (!parsed)
            continue;
        ASSERT_EQ(std::holds_alternative<QString>(*parsed), c.error) << c.argument;
        if (c.error)
            continue;
        const RemoteAsk& ask = std::get<RemoteAsk>(*parsed);
        EXPECT_EQ(ask.address, c.address) << c.argument;
        EXPECT_EQ(ask.port, c.port) << c.argument;
    }
}

TEST(RemoteSettings, StartsOnlyWhenOnOrAskedAndKeepsItsTokenForGood)
{
    test::FakeFiles files;
    EXPECT_FALSE(remoteStartSettings(files, kPath, readRemoteSettings(files, kPath), std::nullopt));
    EXPECT_FALSE(files.fileExists(kPath)) << "nothing is written while the remote control is off";

    const std::optional<RemoteSettings> asked = remoteStartSettings(files, kPath, readRemoteSettings(files, kPath), RemoteAsk{std::nullopt, 9000});
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->listen.port, 9000);
    EXPECT_EQ(asked->listen.address, "127.0.0.1");
    EXPECT_EQ(asked->token.size(), 32);
    const RemoteSettings kept = readRemoteSettings(files, kPath);
    EXPECT_FALSE(kept.on) << "the command line asks for one run only";
    EXPECT_EQ(kept.listen.port, kDefaultRemotePort);
    EXPECT_EQ(kept.token, asked->token);

    files.put(kPath, {"[Remote]", "On=1", "Address=0.0.0.0", "Port=9100", "Token=" + kept.token});
    const std::optional<RemoteSettings> on = remoteStartSettings(files, kPath, readRemoteSettings(files, kPath), std::nullopt);
    ASSERT_TRUE(on);
    EXPECT_EQ(on->listen.address, "0.0.0.0");
    EXPECT_EQ(on->token, kept.token);
    EXPECT_FALSE(isLoopback(on->listen.address));
    EXPECT_TRUE(isLoopback(QStringLiteral("127.0.0.1")));
    EXPECT_TRUE(isLoopback(QStringLiteral("::1")));
}

} // namespace
} // namespace qc
