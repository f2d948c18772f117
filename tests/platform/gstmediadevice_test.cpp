#include "platform/gstreamer/gstmediadevice.h"

#include "platform/soundfiles.h"
#include "qtprinters.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>
#include <utility>

// Under AddressSanitizer: full stacks for allocations, so that the leak suppressions can tell
// GLib's load-time allocations (GLib is built without frame pointers) from the program's.
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

namespace qc {
namespace {

using namespace std::chrono_literals;
using test::eventually;

// The tones every test shares, made once a run and only when first asked for. The names
// have blanks, a double quote and Japanese, as a user's music folder does.
class SoundFolder {
public:
    static SoundFolder& instance()
    {
        static SoundFolder folder;
        return folder;
    }

    // A two-second tone in a format of the table below ("wav", "ogg", "flac", "mp3").
    QString tone(const QString& format) { return made("tone 曲 \"2s\" " + format, 200, format); }
    QString shortTone() { return made("short tone", 50, "wav"); }

    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        if (!QFile::exists(path))
            test::writeBytes(path, bytes);
        return path;
    }

    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QString made(const QString& name, int hundredths, const QString& format)
    {
        // MP3 both as a constant bit rate and as a variable one with its length header, the
        // two kinds of file found in the wild.
        static const QHash<QString, std::pair<const char*, const char*>> encoders{
            {"wav", {"wav", "wavenc"}},
            {"ogg", {"ogg", "vorbisenc ! oggmux"}},
            {"flac", {"flac", "flacenc"}},
            {"mp3", {"mp3", "lamemp3enc target=bitrate bitrate=128 cbr=true"}},
            {"vbr mp3", {"mp3", "lamemp3enc target=quality quality=4 ! xingmux"}},
        };
        const auto [extension, encoder] = encoders.value(format);
        const QString path = dir_.filePath(name + "." + extension);
        if (!QFile::exists(path) && !test::writeTone(path, hundredths, encoder))
            ADD_FAILURE() << "cannot encode " << path.toStdString()
                          << " (are GStreamer's good and ugly plugins installed? run scripts/setup)";
        return path;
    }

    QTemporaryDir dir_;
};

QString openText(const QString& path, const QString& alias)
{
    return "Open \"" + path + "\" alias " + alias + " type MPEGVideo";
}

class MediaDevice : public ::testing::Test {
protected:
    unsigned code(const QString& command) { return device.send(command).code; }

    QString status(const QString& alias, const char* item)
    {
        const MediaReply reply = device.send("Status " + alias + " " + item);
        EXPECT_EQ(reply.code, 0u) << "Status " << alias.toStdString() << " " << item;
        return reply.text;
    }

    long number(const QString& alias, const char* item) { return status(alias, item).toLong(); }

    void open(const QString& path, const QString& alias = "qcMusicCh0")
    {
        ASSERT_EQ(code(openText(path, alias)), 0u) << path.toStdString();
    }

    bool endsWithin(const QString& alias, std::chrono::milliseconds limit)
    {
        return eventually([&] { return status(alias, "mode") != "playing"; }, limit);
    }

    SoundFolder& files = SoundFolder::instance();
    GstMediaDevice device;
};

struct Format {
    const char* name;
    long shortest;  // MP3 encoders add up to a few frames of silence
    long longest;
};

void PrintTo(const Format& format, std::ostream* os)
{
    *os << format.name;
}

class EveryFormat : public MediaDevice, public ::testing::WithParamInterface<Format> {
protected:
    void SetUp() override { open(files.tone(GetParam().name)); }
};

INSTANTIATE_TEST_SUITE_P(Tones, EveryFormat,
                         ::testing::Values(Format{"wav", 1995, 2005}, Format{"ogg", 1995, 2005},
                                           Format{"flac", 1995, 2005}, Format{"mp3", 1995, 2150},
                                           Format{"vbr mp3", 1995, 2150}),
                         [](const auto& info) { return QString(info.param.name).replace(' ', '_').toStdString(); });

TEST_P(EveryFormat, OpensStoppedAtTheStartWithItsLengthKnown)
{
    const long length = number("qcMusicCh0", "length");
    EXPECT_GE(length, GetParam().shortest);
    EXPECT_LE(length, GetParam().longest);
    EXPECT_EQ(status("qcMusicCh0", "position"), "0");
    EXPECT_EQ(status("qcMusicCh0", "mode"), "stopped");
    EXPECT_EQ(status("qcMusicCh0", "volume"), "1000");
}

TEST_P(EveryFormat, SeeksToTheMillisecond)
{
    for (const int target : {1234, 0, 1999, 500}) {
        ASSERT_EQ(code("Seek qcMusicCh0 to " + QString::number(target)), 0u);
        EXPECT_NEAR(number("qcMusicCh0", "position"), target, 15) << "seek to " << target;
    }
    EXPECT_EQ(status("qcMusicCh0", "mode"), "stopped");
}

TEST_P(EveryFormat, PlaysOnToTheEndThenAnswersStoppedAtTheLength)
{
    ASSERT_EQ(code("Seek qcMusicCh0 to 1500"), 0u);
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    EXPECT_EQ(status("qcMusicCh0", "mode"), "playing");
    EXPECT_TRUE(eventually([&] { return number("qcMusicCh0", "position") > 1600; }))
        << "the position does not move while playing";
    EXPECT_TRUE(endsWithin("qcMusicCh0", 3s)) << "still playing after the end";
    EXPECT_EQ(status("qcMusicCh0", "position"), status("qcMusicCh0", "length"));
}

TEST_F(MediaDevice, StopKeepsThePositionAndPlayGoesOnFromThere)
{
    open(files.tone("wav"));
    ASSERT_EQ(code("Seek qcMusicCh0 to 400"), 0u);
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    EXPECT_GE(number("qcMusicCh0", "position"), 400) << "the first play lost the position sought";
    ASSERT_TRUE(eventually([&] { return number("qcMusicCh0", "position") >= 600; }));
    ASSERT_EQ(code("Stop qcMusicCh0"), 0u);
    EXPECT_EQ(status("qcMusicCh0", "mode"), "stopped");
    const long stoppedAt = number("qcMusicCh0", "position");
    EXPECT_GE(stoppedAt, 600);
    EXPECT_LT(stoppedAt, 1500);

    std::this_thread::sleep_for(300ms);
    EXPECT_NEAR(number("qcMusicCh0", "position"), stoppedAt, 5) << "the position moved while stopped";

    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    EXPECT_EQ(status("qcMusicCh0", "mode"), "playing");
    std::this_thread::sleep_for(200ms);
    const long resumedAt = number("qcMusicCh0", "position");
    EXPECT_GT(resumedAt, stoppedAt + 50) << "play did not go on from where it stopped";
    EXPECT_LT(resumedAt, stoppedAt + 1000);
}

TEST_F(MediaDevice, SeekWhilePlayingKeepsPlayingFromTheNewPosition)
{
    open(files.tone("ogg"));
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    ASSERT_EQ(code("Seek qcMusicCh0 to 1500"), 0u);
    EXPECT_EQ(status("qcMusicCh0", "mode"), "playing");
    const long position = number("qcMusicCh0", "position");
    EXPECT_GE(position, 1490);
    EXPECT_LT(position, 1800);
    EXPECT_TRUE(endsWithin("qcMusicCh0", 3s));
}

TEST_F(MediaDevice, PlayAfterTheEndStartsThePieceAgain)
{
    open(files.tone("wav"));
    ASSERT_EQ(code("Seek qcMusicCh0 to 1800"), 0u);
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    ASSERT_TRUE(endsWithin("qcMusicCh0", 3s));

    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    EXPECT_EQ(status("qcMusicCh0", "mode"), "playing");
    EXPECT_LT(number("qcMusicCh0", "position"), 1000);
    ASSERT_EQ(code("Stop qcMusicCh0"), 0u);
}

TEST_F(MediaDevice, SeekWithinTheLengthOnly)
{
    open(files.tone("flac"));
    const QString length = status("qcMusicCh0", "length");
    EXPECT_EQ(code("Seek qcMusicCh0 to " + length), 0u);
    EXPECT_NE(code("Seek qcMusicCh0 to " + QString::number(length.toLong() + 1)), 0u);
    EXPECT_NE(code("Seek qcMusicCh0 to 99999999"), 0u);
}

TEST_F(MediaDevice, VolumeReadsBackWhatWasSet)
{
    open(files.tone("wav"));
    for (const int volume : {0, 1, 250, 333, 501, 999, 1000, 7}) {
        ASSERT_EQ(code("setaudio qcMusicCh0 volume to " + QString::number(volume)), 0u);
        EXPECT_EQ(number("qcMusicCh0", "volume"), volume);
    }
    EXPECT_NE(code("setaudio qcMusicCh0 volume to 1001"), 0u);
    EXPECT_NE(code("setaudio qcMusicCh0 volume to 65536"), 0u);
    EXPECT_EQ(status("qcMusicCh0", "volume"), "7") << "a refused volume changed it";
}

TEST_F(MediaDevice, EachAliasIsItsOwnPlayer)
{
    open(files.tone("wav"), "qcMusicCh0");
    open(files.shortTone(), "qcMusicCh1");
    EXPECT_NEAR(number("qcMusicCh1", "length"), 500, 5);
    ASSERT_EQ(code("setaudio qcMusicCh1 volume to 300"), 0u);
    ASSERT_EQ(code("Seek qcMusicCh1 to 100"), 0u);
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);

    EXPECT_EQ(status("qcMusicCh1", "mode"), "stopped");
    EXPECT_EQ(status("qcMusicCh0", "volume"), "1000");
    EXPECT_NEAR(number("qcMusicCh0", "length"), 2000, 5);
    ASSERT_EQ(code("Close qcMusicCh0"), 0u);
    EXPECT_EQ(status("qcMusicCh1", "volume"), "300");
    EXPECT_NEAR(number("qcMusicCh1", "position"), 100, 15);
}

TEST_F(MediaDevice, KeywordsAndAliasesInAnyLetterCase)
{
    ASSERT_EQ(code("OPEN \"" + files.tone("wav") + "\" ALIAS Tune TYPE mpegvideo"), 0u);
    EXPECT_EQ(code("sEEK tune TO 250"), 0u);
    EXPECT_EQ(device.send("STATUS TUNE POSITION").text.toLong(), 250);
    EXPECT_EQ(device.send("status tune Mode").text, "stopped");
    EXPECT_EQ(code("SETAUDIO tune VOLUME to 10"), 0u);
    EXPECT_EQ(code("open \"" + files.tone("ogg") + "\" alias TUNE type MPEGVideo"), GstMediaDevice::AliasInUse);
    EXPECT_EQ(code("close TUNE"), 0u);
    EXPECT_EQ(code("Status Tune mode"), GstMediaDevice::UnknownAlias);
}

TEST_F(MediaDevice, OpeningAnOpenAliasIsRefusedAndKeepsTheFirstFile)
{
    open(files.tone("wav"));
    EXPECT_NE(code(openText(files.shortTone(), "qcMusicCh0")), 0u);
    EXPECT_NEAR(number("qcMusicCh0", "length"), 2000, 5);
}

TEST_F(MediaDevice, AClosedAliasIsGoneAndCanBeOpenedAgain)
{
    open(files.tone("mp3"));
    ASSERT_EQ(code("Close qcMusicCh0"), 0u);
    EXPECT_NE(code("Status qcMusicCh0 mode"), 0u);
    EXPECT_NE(code("Close qcMusicCh0"), 0u);

    open(files.shortTone());
    EXPECT_NEAR(number("qcMusicCh0", "length"), 500, 5);
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    EXPECT_TRUE(endsWithin("qcMusicCh0", 3s));
}

TEST_F(MediaDevice, FilesThatCannotPlayAreRefusedAndLeaveNoAlias)
{
    const QByteArray wav = [&] {
        QFile file(files.tone("wav"));
        return file.open(QIODevice::ReadOnly) ? file.read(64) : QByteArray();
    }();
    ASSERT_EQ(wav.size(), 64);
    const QString folder = files.path("a folder.wav");
    QDir().mkpath(folder);
    const QString silentFilm = files.path("pictures only.ogg");
    ASSERT_TRUE(test::writeVideo(silentFilm, false));
    const QStringList refused{
        silentFilm,
        files.path("missing.wav"),
        folder,
        files.file("empty.wav", {}),
        files.file("words.mp3", QByteArray("This is a shopping list, not a song.\n").repeated(40)),
        files.file("cut.wav", wav.left(20)),
        files.file("noise.ogg", QByteArray("OggS\x00\x02", 6) + QByteArray(3000, '\x5a')),
        QString(),
    };
    for (const QString& path : refused) {
        EXPECT_NE(code(openText(path, "qcMusicCh1")), 0u) << "opened " << path.toStdString();
        EXPECT_EQ(code("Status qcMusicCh1 mode"), GstMediaDevice::UnknownAlias)
            << "a failed open left the alias behind: " << path.toStdString();
    }
    EXPECT_EQ(code(openText(files.path("missing.wav"), "qcMusicCh1")), GstMediaDevice::FileNotFound);
    open(files.tone("wav"), "qcMusicCh1");
}

// A film's sound is played; its pictures are left alone.
TEST_F(MediaDevice, AFilmPlaysItsSound)
{
    const QString film = files.path("film.ogg");
    ASSERT_TRUE(test::writeVideo(film, true));
    open(film, "qcMusicCh0");
    EXPECT_NEAR(status("qcMusicCh0", "length").toInt(), 1000, 60);
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    EXPECT_TRUE(test::eventually([&] { return status("qcMusicCh0", "position").toInt() > 200; }));
    EXPECT_EQ(status("qcMusicCh0", "mode"), "playing");
}

TEST_F(MediaDevice, CommandsToAnAliasThatIsNotOpenAreRefused)
{
    open(files.tone("wav"), "qcMusicCh0");
    for (const char* command : {"Play qcMusicCh1", "Stop qcMusicCh1", "Close qcMusicCh1",
                                "Seek qcMusicCh1 to 0", "setaudio qcMusicCh1 volume to 500",
                                "Status qcMusicCh1 position", "Status qcMusicCh1 length",
                                "Status qcMusicCh1 mode", "Status qcMusicCh1 volume",
                                "Play qcMusicCh0x", "Play qcMusicCh"}) {
        const MediaReply reply = device.send(command);
        EXPECT_EQ(reply.code, GstMediaDevice::UnknownAlias) << command;
        EXPECT_EQ(reply.text, "") << command;
    }
}

TEST_F(MediaDevice, MalformedCommandsAreRefusedAndChangeNothing)
{
    open(files.tone("wav"), "A");
    ASSERT_EQ(code("Seek A to 700"), 0u);
    const QString path = files.tone("ogg");
    for (const QString& command : {
             QString(), QString("Play"), QString("Play  A"), QString(" Play A"), QString("Play A "),
             QString("Play\tA"), QString("Play A now"), QString("Close A A"), QString("Stop A please"),
             QString("Seek A 0"), QString("Seek A to"), QString("Seek A to -5"), QString("Seek A to 5x"),
             QString("Seek A to 1.5"), QString("Seek A from 0"), QString("Seek A to 0 now"),
             QString("setaudio A volume 5"), QString("setaudio A volume to"),
             QString("setaudio A volume to -1"), QString("setaudio A bass to 5"),
             QString("Status A"), QString("Status A colour"), QString("Status A mode now"),
             QString("Status A  mode"), QString("Rewind A"), QString("Pause A"),
             "Open \"" + path + "\" alias B", "Open " + path + " alias B type MPEGVideo",
             "Open \"" + path + "\" alias B type WaveAudio", "Open \"" + path + "\" alias  B type MPEGVideo",
             "Open \"" + path + "\" alias B type MPEGVideo ", "Open \"" + path + "\" B type MPEGVideo"}) {
        const MediaReply reply = device.send(command);
        EXPECT_EQ(reply.code, GstMediaDevice::UnrecognisedCommand) << command.toStdString();
        EXPECT_EQ(reply.text, "") << command.toStdString();
    }
    EXPECT_EQ(status("A", "mode"), "stopped");
    EXPECT_NEAR(number("A", "position"), 700, 15);
    EXPECT_EQ(status("A", "volume"), "1000");
    EXPECT_EQ(code("Status B mode"), GstMediaDevice::UnknownAlias);
}

TEST_F(MediaDevice, AMidiFilePlaysThroughTheSynthesiser)
{
    ASSERT_TRUE(gst_init_check(nullptr, nullptr, nullptr));
    GstElementFactory* synthesiser = gst_element_factory_find("fluiddec");
    if (!synthesiser)
        GTEST_SKIP() << "GStreamer's fluidsynth decoder (fluiddec, gstreamer1.0-plugins-bad) is not installed";
    gst_object_unref(synthesiser);

    const QString path = files.file("four notes.mid", test::midiNotes({60, 64, 67, 72}));
    open(path);
    // Four half-second notes; the synthesiser may let the last one ring a little.
    const long length = number("qcMusicCh0", "length");
    EXPECT_GE(length, 1900);
    EXPECT_LE(length, 3500);
    ASSERT_EQ(code("Seek qcMusicCh0 to " + QString::number(length - 300)), 0u);
    ASSERT_EQ(code("Play qcMusicCh0"), 0u);
    EXPECT_EQ(status("qcMusicCh0", "mode"), "playing");
    EXPECT_TRUE(endsWithin("qcMusicCh0", 3s));
}

// Sets an environment variable for the length of a scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

TEST_F(MediaDevice, AWrongSinkInTheEnvironmentRefusesTheOpen)
{
    {
        const ScopedVariable sink("QUILLCAST_AUDIO_SINK", "no_such_audio_sink_element");
        EXPECT_EQ(code(openText(files.tone("wav"), "qcMusicCh0")), GstMediaDevice::DeviceFailed);
        EXPECT_EQ(code("Status qcMusicCh0 mode"), GstMediaDevice::UnknownAlias);
    }
    open(files.tone("wav"));
}

} // namespace
} // namespace qc
