#include "platform/gstreamer/gstwavesound.h"

#include "platform/soundfiles.h"
#include "qtprinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qc {
namespace {

using namespace std::chrono_literals;
using test::eventually;

class WaveSound : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        ASSERT_TRUE(test::writeTone(path("chime.wav"), 30, "wavenc"));
        ASSERT_TRUE(test::writeTone(path("fanfare.wav"), 800, "wavenc"));
    }
    static void TearDownTestSuite()
    {
        delete folder;
        folder = nullptr;
    }
    static QString path(const QString& name) { return folder->filePath(name); }

    bool endsWithin(std::chrono::milliseconds limit)
    {
        return eventually([&] { return sound.sounding().isEmpty(); }, limit);
    }

    static inline QTemporaryDir* folder = nullptr;
    GstWaveSound sound;
};

TEST_F(WaveSound, PlaysAWaveFileInTheBackground)
{
    ASSERT_TRUE(sound.play(path("chime.wav")));
    EXPECT_EQ(sound.sounding(), path("chime.wav"));
    EXPECT_TRUE(endsWithin(3s)) << "a 0.3 s sound did not end";
    // Done, it plays again.
    ASSERT_TRUE(sound.play(path("chime.wav")));
    EXPECT_EQ(sound.sounding(), path("chime.wav"));
}

TEST_F(WaveSound, ANewSoundCutsOffTheOneStillPlaying)
{
    ASSERT_TRUE(sound.play(path("fanfare.wav")));
    ASSERT_TRUE(sound.play(path("chime.wav")));
    EXPECT_EQ(sound.sounding(), path("chime.wav"));
    // The eight-second fanfare would hold the player far longer than this.
    EXPECT_TRUE(endsWithin(3s)) << "the first sound went on";
}

TEST_F(WaveSound, WhatIsNotAReadableFileIsRefusedAndTheSoundGoesOn)
{
    ASSERT_TRUE(sound.play(path("fanfare.wav")));
    QDir(folder->path()).mkpath("sounds.wav");
    for (const QString& refused : {path("missing.wav"), path("sounds.wav"), QString()})
        EXPECT_FALSE(sound.play(refused)) << refused.toStdString();
    EXPECT_EQ(sound.sounding(), path("fanfare.wav"));
}

TEST_F(WaveSound, AFileThatDoesNotDecodeFailsQuietlyLater)
{
    ASSERT_TRUE(test::writeBytes(path("notes.wav"), "not a sound at all\n"));
    EXPECT_TRUE(sound.play(path("notes.wav")));  // it returns before decoding anything
    EXPECT_TRUE(endsWithin(3s));
    ASSERT_TRUE(sound.play(path("chime.wav")));
    EXPECT_EQ(sound.sounding(), path("chime.wav"));
}

} // namespace
} // namespace qc
