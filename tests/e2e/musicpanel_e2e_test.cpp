#include "quillcastprocess.h"
#include "xsession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

namespace qc::e2e {
namespace {

constexpr int kStartTimeoutMs = 30000;

// The panel shows itself playing one.wav on channel 0; the next step switches the commands
// to channel 1 with two.wav; Next past the end closes it.
const QByteArray kScript = "'qc-title Music Show\r\n"
                           "@qc-musicset show=\"on\" musicfilename=\"tunes\\one.wav\" musicplay=\"1\"\r\n"
                           "First\r\n"
                           "\r\n"
                           "@qc-musicset channel=\"1\" musicfilename=\"tunes\\two.wav\"\r\n"
                           "Second\r\n";

// Places in the panel's client area, in pixels at 15 twips a pixel: the middle of the
// play-state strip and of the stop button.
constexpr int kStripX = 4;
constexpr int kStripY = 32;
constexpr int kStopX = 100;
constexpr int kStopY = 32;

// Ten seconds of a 440 Hz tone, 8 kHz mono 16-bit PCM.
QByteArray toneWave()
{
    constexpr int rate = 8000;
    constexpr int samples = rate * 10;
    QByteArray data(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(12000 * std::sin(2 * M_PI * 440 * i / rate)), data.data() + i * 2);
    const auto le32 = [](quint32 v) {
        QByteArray b(4, Qt::Uninitialized);
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto le16 = [](quint16 v) {
        QByteArray b(2, Qt::Uninitialized);
        qToLittleEndian(v, b.data());
        return b;
    };
    return "RIFF" + le32(quint32(36 + data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(rate)
           + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(quint32(data.size())) + data;
}

class MusicPanelEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.isRunning()) << "Xvfb did not start";
        // Played in real time into nothing: the machine needs no sound card.
        qputenv("QUILLCAST_AUDIO_SINK", "fakesink sync=true");
        QFile script(dir.filePath(QStringLiteral("show.txt")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(kScript);
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("tunes")));
        for (const char* name : {"tunes/one.wav", "tunes/two.wav"}) {
            QFile tune(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
            tune.write(toneWave());
        }
    }

    XSession session;
    QTemporaryDir dir;
};

TEST_F(MusicPanelEndToEnd, ScriptedMusicPlaysStopsFromThePanelSwitchesChannelAndCloses)
{
    QuillcastProcess program(session, dir.path(), {dir.filePath(QStringLiteral("show.txt"))});
    const QString controller = session.openController(kStartTimeoutMs);
    ASSERT_FALSE(controller.isEmpty());

    session.next(controller);
    // A new file captions the panel with its name.
    const QString panel = session.waitForWindows(QStringLiteral("^one\\.wav$")).value(0);
    ASSERT_FALSE(panel.isEmpty());
    EXPECT_EQ(session.waitForPixel(panel, kStripX, kStripY, QStringLiteral("#C0FFFF")), "#C0FFFF") << "the strip shows playing";
    // The keyboard stays with the controller.
    EXPECT_EQ(session.tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).value_or(QString()).trimmed(),
              controller);

    session.click(panel, kStopX, kStopY);
    // The strip follows the engine at the next refresh: still stopped a second later.
    EXPECT_EQ(session.waitForPixel(panel, kStripX, kStripY, QStringLiteral("#C0C0FF")), "#C0C0FF");
    QThread::msleep(1500);
    EXPECT_EQ(session.pixel(panel, kStripX, kStripY).toUpper(), "#C0C0FF") << "the music did not stop";

    session.next(controller);
    // Channel 1 with its own file: the caption follows it.
    EXPECT_FALSE(session.waitForWindows(QStringLiteral("^two\\.wav$")).isEmpty());

    session.next(controller);
    EXPECT_TRUE(session.waitUntilGone(QStringLiteral("^two\\.wav$"))) << "Next past the end closes the panel";

    EXPECT_EQ(program.quitWith(session, controller, QStringLiteral("Escape")), 0);
}

} // namespace
} // namespace qc::e2e
