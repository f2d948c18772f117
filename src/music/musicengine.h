#pragma once

#include "music/mediacommands.h"

#include <QString>

#include <array>
#include <memory>

namespace qc {

class FileExistence;
class Timer;
class Timers;

// frmMf00, the hidden music engine: the two channels as the rest of the program sees them,
// through command boxes that always address the current channel. Writing a box runs its
// handler at once: it normalises the text, compares it with what is stored, and acts; a
// handler that writes a box runs that box's handler nested, and a write that leaves a box's
// text as it was runs nothing. Once a second it polls a playing channel to notice the end of
// a piece, and repeats a piece three ticks after its end. One channel plays at a time.
class MusicEngine : public MusicSeekHooks {
public:
    MusicEngine(MediaCommands& media, Timers& timers, const FileExistence& files);
    ~MusicEngine() override;

    // The window loaded (start-up) and unloaded (shutdown).
    void load();
    void unload();

    // The command boxes.
    void setChannel(const QString& text) { write(channel_, text); }
    void setPathFile(const QString& text) { write(pathFile_, text); }
    void setPlay(const QString& text) { write(play_, text); }
    void setTop(const QString& text) { write(top_, text); }
    void setRepeat(const QString& text) { write(repeat_, text); }
    void setVolumePercent(const QString& text) { write(volumePercent_, text); }
    void setPositionPercentSet(const QString& text) { write(positionPercentSet_, text); }
    void setWavePathFile(const QString& text) { write(wavePathFile_, text); }
    void setWavePlay(const QString& text) { write(wavePlay_, text); }

    const QString& channel() const { return channel_.text; }
    const QString& pathFile() const { return pathFile_.text; }
    const QString& play() const { return play_.text; }
    const QString& top() const { return top_.text; }
    const QString& repeat() const { return repeat_.text; }
    const QString& volumePercent() const { return volumePercent_.text; }
    const QString& positionPercentSet() const { return positionPercentSet_.text; }
    const QString& wavePathFile() const { return wavePathFile_.text; }
    const QString& wavePlay() const { return wavePlay_.text; }

    // What it shows of the current channel.
    const QString& positionLength() const { return positionLength_; }
    const QString& position() const { return position_; }
    const QString& positionPercent() const { return positionPercent_; }

    const MusicChannelState& channelState(int channel) { return media_.state(channel); }

    void setRepeatTimerEnabled(int channel, bool enabled) override;
    void showPosition(int channel, const QString& position, const QString& percent) override;

private:
    struct Box {
        QString text;
        void (MusicEngine::*handler)();
    };

    void write(Box& box, const QString& text);
    void normaliseFlag(Box& box);
    void refreshPosition(int channel);
    void showPositionOf(int channel);
    void clearLoaded(int channel);

    void channelWritten();
    void pathFileWritten();
    void playWritten();
    void topWritten();
    void repeatWritten();
    void volumePercentWritten();
    void positionPercentSetWritten();
    void wavePathFileWritten();
    void wavePlayWritten();
    void repeatTick(int channel);
    void restartTick(int channel);

    MediaCommands& media_;
    const FileExistence& files_;
    std::array<std::unique_ptr<Timer>, kMusicChannelCount> repeatTimers_;
    std::array<std::unique_ptr<Timer>, kMusicChannelCount> restartTimers_;

    Box channel_{QStringLiteral("0"), &MusicEngine::channelWritten};
    Box pathFile_{QString(), &MusicEngine::pathFileWritten};
    Box play_{QStringLiteral("0"), &MusicEngine::playWritten};
    Box top_{QStringLiteral("0"), &MusicEngine::topWritten};
    Box repeat_{QStringLiteral("0"), &MusicEngine::repeatWritten};
    Box volumePercent_{QStringLiteral("100"), &MusicEngine::volumePercentWritten};
    Box positionPercentSet_{QString(), &MusicEngine::positionPercentSetWritten};
    Box wavePathFile_{QString(), &MusicEngine::wavePathFileWritten};
    Box wavePlay_{QStringLiteral("0"), &MusicEngine::wavePlayWritten};

    QString positionLength_;
    QString position_;
    QString positionPercent_ = QStringLiteral("0");

    int engineChannel_ = 0;
    QString engineChannelText_ = QStringLiteral("0");
    QString waveLastPath_;
    QString wavePlayText_ = QStringLiteral("0");
};

} // namespace qc
