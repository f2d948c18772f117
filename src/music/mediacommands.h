#pragma once

#include "music/musicchannels.h"

#include <QString>

#include <array>

namespace qc {

class MediaDevice;
class WaveSound;

// What the music engine does around a seek: the channel's repeat timer, and the position it
// shows for its current channel.
class MusicSeekHooks {
public:
    virtual ~MusicSeekHooks() = default;
    virtual void setRepeatTimerEnabled(int channel, bool enabled) = 0;
    virtual void showPosition(int channel, const QString& position, const QString& percent) = 0;
};

// The one place that talks to the media device and the wave-sound player: one command text
// per operation, and the two music channels' state built on them. Every channel argument is
// normalised, so a bad channel number means channel 0. Nothing here reports an error: a
// failing command leaves its code in lastMediaResult().
class MediaCommands {
public:
    MediaCommands(MediaDevice& device, WaveSound& waves);

    // Told where a seek needs the engine; none until the engine is there.
    void setSeekHooks(MusicSeekHooks* hooks) { hooks_ = hooks; }

    // One command each; the device's result code.
    unsigned mediaOpen(int channel, const QString& path);
    unsigned mediaClose(int channel);
    unsigned mediaPlay(int channel);
    unsigned mediaStop(int channel);
    unsigned mediaSeekStart(int channel);
    unsigned mediaSeekTo(int channel, const QString& position);
    unsigned mediaSetVolume(int channel, const QString& volume);

    // The channels.
    MusicChannelState& state(int channel) { return channels_[std::size_t(musicChannelOf(channel))]; }
    unsigned lastMediaResult() const { return lastResult_; }

    void resetMusicChannel(int channel);
    QString queryPositionText(int channel);
    QString queryLengthText(int channel);
    QString queryModeText(int channel);
    QString queryVolumeText(int channel);
    QString computePositionPercent(int channel);
    void openMusic(int channel, const QString& path);
    void closeMusic(int channel);
    void startMusic(int channel);
    void resumeMusic(int channel);
    void stopMusicToTop(int channel);
    void stopMusic(int channel);
    void rewindMusic(int channel);
    void setDeviceVolume(int channel, const QString& volume);
    // Seeks while keeping the play state; only to a position within the known length.
    void moveMusicPosition(int channel, const QString& position);
    bool playWave(const QString& path);

private:
    unsigned send(const QString& command);
    QString query(int channel, const char* what);

    MediaDevice& device_;
    WaveSound& waves_;
    MusicSeekHooks* hooks_ = nullptr;
    std::array<MusicChannelState, kMusicChannelCount> channels_;
    unsigned lastResult_ = 0;
};

} // namespace qc
