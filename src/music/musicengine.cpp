#include "music/musicengine.h"

#include "platform/fileexistence.h"
#include "platform/timers.h"
#include "script/numbers.h"
#include "script/texthelpers.h"

#include <algorithm>
#include <cmath>

namespace qc {

namespace {

constexpr int kTickMs = 1000;
// Ticks of the restart timer between the end of a repeated piece and its new start.
const QString kRestartTicks = QStringLiteral("3");

QString fiveDecimals(double value)
{
    return formatDecimals(QString::number(value, 'g', 17), u"5");
}

} // namespace

MusicEngine::MusicEngine(MediaCommands& media, Timers& timers, const FileExistence& files)
    : media_(media), files_(files)
{
    for (int c = 0; c < kMusicChannelCount; ++c) {
        repeatTimers_[std::size_t(c)] = timers.create(kTickMs, [this, c] { repeatTick(c); });
        restartTimers_[std::size_t(c)] = timers.create(kTickMs, [this, c] { restartTick(c); });
    }
    media_.setSeekHooks(this);
}

MusicEngine::~MusicEngine()
{
    media_.setSeekHooks(nullptr);
}

void MusicEngine::write(Box& box, const QString& text)
{
    if (box.text == text)
        return;
    box.text = text;
    (this->*box.handler)();
}

// Above 0 becomes "1", anything else "0".
void MusicEngine::normaliseFlag(Box& box)
{
    if (numberOfText(box.text) > 0)
        write(box, QStringLiteral("1"));
    if (!(numberOfText(box.text) >= 1))
        write(box, QStringLiteral("0"));
}

void MusicEngine::refreshPosition(int channel)
{
    MusicChannelState& state = media_.state(channel);
    state.positionText = media_.queryPositionText(channel);
    state.positionPercent = media_.computePositionPercent(channel);
}

void MusicEngine::showPositionOf(int channel)
{
    if (channel != engineChannel_)
        return;
    const MusicChannelState& state = media_.state(channel);
    position_ = state.positionText;
    positionPercent_ = state.positionPercent;
}

void MusicEngine::setRepeatTimerEnabled(int channel, bool enabled)
{
    repeatTimers_[std::size_t(musicChannelOf(channel))]->setEnabled(enabled);
}

void MusicEngine::showPosition(int channel, const QString& position, const QString& percent)
{
    if (channel != engineChannel_)
        return;
    position_ = position;
    positionPercent_ = percent;
}

void MusicEngine::load()
{
    for (auto& timer : repeatTimers_)
        timer->setEnabled(false);
    for (auto& timer : restartTimers_)
        timer->setEnabled(false);
    for (int c = 0; c < kMusicChannelCount; ++c) {
        media_.mediaClose(c);
        media_.resetMusicChannel(c);
    }
    engineChannelText_ = QStringLiteral("0");
    engineChannel_ = 0;
    positionLength_.clear();
    position_.clear();
    positionPercent_ = QStringLiteral("0");
    setPathFile({});
    setPlay(QStringLiteral("0"));
    setTop(QStringLiteral("0"));
    setRepeat(QStringLiteral("0"));
    setVolumePercent(QStringLiteral("100"));
    setPositionPercentSet({});
    setChannel(QStringLiteral("0"));
    waveLastPath_.clear();
    wavePlayText_ = QStringLiteral("0");
    setWavePathFile({});
    setWavePlay(QStringLiteral("0"));
}

void MusicEngine::unload()
{
    for (int c = 0; c < kMusicChannelCount; ++c) {
        repeatTimers_[std::size_t(c)]->setEnabled(false);
        restartTimers_[std::size_t(c)]->setEnabled(false);
    }
    for (int c = 0; c < kMusicChannelCount; ++c)
        media_.stopMusic(c);
    // A MIDI file leaves the device's volume where it was set: put it back in the middle.
    for (int c = 0; c < kMusicChannelCount; ++c) {
        MusicChannelState& state = media_.state(c);
        if (state.fileExtension == u"rmi" || state.fileExtension == u"mid") {
            state.deviceVolume = QStringLiteral("501");
            media_.setDeviceVolume(c, state.deviceVolume);
        }
    }
    for (int c = 0; c < kMusicChannelCount; ++c)
        media_.closeMusic(c);
}

// Switching channels only changes what the boxes show; it never starts or stops playback.
void MusicEngine::channelWritten()
{
    normaliseFlag(channel_);
    if (numberOfText(engineChannelText_) == numberOfText(channel_.text))
        return;
    const int channel = int(std::nearbyint(numberOfText(channel_.text)));
    engineChannelText_ = QString::number(channel);
    if (channel == engineChannel_)
        return;
    engineChannel_ = channel;
    const MusicChannelState& state = media_.state(channel);
    setPathFile(state.loadedPath);
    setPlay(state.playFlag);
    setTop(state.topFlag);
    setRepeat(state.repeatFlag);
    setVolumePercent(state.volumePercent);
    positionLength_ = state.lengthText;
    position_ = state.positionText;
    positionPercent_ = state.positionPercent;
}

void MusicEngine::clearLoaded(int channel)
{
    MusicChannelState& state = media_.state(channel);
    state.deviceVolume.clear();
    state.baseVolume.clear();
    state.lengthText.clear();
    state.positionText.clear();
    state.restartCountdown.clear();
    state.positionPercent = QStringLiteral("0");
    positionLength_.clear();
    position_.clear();
    positionPercent_ = QStringLiteral("0");
}

void MusicEngine::pathFileWritten()
{
    const int ch = engineChannel_;
    MusicChannelState& state = media_.state(ch);
    const QString path = pathFile_.text;
    if (path == state.loadedPath)
        return;
    // Stored first, so that these writes only update the boxes.
    state.playFlag = QStringLiteral("0");
    setPlay(QStringLiteral("0"));
    state.volumePercent = QStringLiteral("100");
    setVolumePercent(QStringLiteral("100"));

    if (path.isEmpty()) {
        media_.closeMusic(ch);
        clearLoaded(ch);
        return;
    }
    if (!files_.fileExists(path)) {
        media_.closeMusic(ch);
        setPathFile({});
        clearLoaded(ch);
        return;
    }
    media_.openMusic(ch, path);
    if (state.loadedPath.isEmpty()) {
        setPathFile({});
        clearLoaded(ch);
        return;
    }
    state.deviceVolume = QStringLiteral("501");
    media_.setDeviceVolume(ch, state.deviceVolume);
    // The volume the device gives a new file is what 100 % stands for.
    state.deviceVolume = media_.queryVolumeText(ch);
    state.baseVolume = state.deviceVolume;
    state.lengthText = media_.queryLengthText(ch);
    refreshPosition(ch);
    positionLength_ = state.lengthText;
    position_ = state.positionText;
    positionPercent_ = state.positionPercent;
}

void MusicEngine::playWritten()
{
    normaliseFlag(play_);
    const int ch = engineChannel_;
    MusicChannelState& state = media_.state(ch);
    if (play_.text == state.playFlag)
        return;
    if (pathFile_.text.isEmpty()) {
        setPlay(QStringLiteral("0"));
        return;
    }
    state.playFlag = play_.text;
    if (play_.text == u"1") {
        const int other = 1 - ch;
        MusicChannelState& otherState = media_.state(other);
        // Only one channel plays at a time.
        if (!otherState.playingPath.isEmpty()) {
            repeatTimers_[std::size_t(other)]->setEnabled(false);
            restartTimers_[std::size_t(other)]->setEnabled(false);
            media_.stopMusicToTop(other);
            refreshPosition(other);
            otherState.playFlag = QStringLiteral("0");
        }
        media_.startMusic(ch);
        if (!state.playingPath.isEmpty()) {
            repeatTimers_[std::size_t(ch)]->setEnabled(true);
            refreshPosition(ch);
            showPositionOf(ch);
        }
        return;
    }
    repeatTimers_[std::size_t(ch)]->setEnabled(false);
    restartTimers_[std::size_t(ch)]->setEnabled(false);
    media_.stopMusicToTop(ch);
    refreshPosition(ch);
    showPositionOf(ch);
}

// Takes effect at the next stop, play or end.
void MusicEngine::topWritten()
{
    normaliseFlag(top_);
    MusicChannelState& state = media_.state(engineChannel_);
    if (top_.text != state.topFlag)
        state.topFlag = top_.text;
}

void MusicEngine::repeatWritten()
{
    normaliseFlag(repeat_);
    MusicChannelState& state = media_.state(engineChannel_);
    if (repeat_.text != state.repeatFlag)
        state.repeatFlag = repeat_.text;
}

void MusicEngine::volumePercentWritten()
{
    if (numberOfText(volumePercent_.text) > 200)
        setVolumePercent(QStringLiteral("100"));
    if (!(numberOfText(volumePercent_.text) >= 0))
        setVolumePercent(QStringLiteral("100"));
    const int ch = engineChannel_;
    MusicChannelState& state = media_.state(ch);
    if (numberOfText(volumePercent_.text) == numberOfText(state.volumePercent))
        return;
    state.volumePercent = fiveDecimals(numberOfText(volumePercent_.text));
    setVolumePercent(state.volumePercent);
    // Without a file only the percentage is kept: opening one puts it back to 100.
    if (state.baseVolume.isEmpty())
        return;
    const double volume =
        std::trunc(numberOfText(state.baseVolume) * numberOfText(state.volumePercent) / 100);
    state.deviceVolume = QString::number(qint64(std::min(volume, 1000.0)));
    media_.setDeviceVolume(ch, state.deviceVolume);
}

void MusicEngine::positionPercentSetWritten()
{
    const QString text = positionPercentSet_.text;
    if (text.isEmpty())
        return;
    const QString percent = fiveDecimals(std::clamp(numberOfText(text), 0.0, 100.0));
    const int ch = engineChannel_;
    const MusicChannelState& state = media_.state(ch);
    if (!state.lengthText.isEmpty()) {
        const double target = std::trunc(numberOfText(state.lengthText) * numberOfText(percent) / 100);
        media_.moveMusicPosition(ch, QString::number(qint64(target)));
    } else {
        positionPercent_ = percent;
    }
    // Ready for the next request.
    setPositionPercentSet({});
}

void MusicEngine::wavePathFileWritten()
{
    const QString path = wavePathFile_.text;
    if (path == waveLastPath_)
        return;
    setWavePlay(QStringLiteral("0"));
    if (!path.isEmpty() && !files_.fileExists(path)) {
        waveLastPath_.clear();
        setWavePathFile({});
    }
}

// Every "1" plays the sound once, from its start, and leaves the box at "0".
void MusicEngine::wavePlayWritten()
{
    normaliseFlag(wavePlay_);
    if (wavePlay_.text == wavePlayText_)
        return;
    if (wavePathFile_.text.isEmpty()) {
        setWavePlay(QStringLiteral("0"));
        return;
    }
    wavePlayText_ = wavePlay_.text;
    if (wavePlay_.text != u"1")
        return;
    waveLastPath_ = wavePathFile_.text;
    media_.playWave(waveLastPath_);
    wavePlayText_ = QStringLiteral("0");
    setWavePlay(QStringLiteral("0"));
}

// While a channel plays: follow its position and notice its end.
void MusicEngine::repeatTick(int channel)
{
    if (media_.queryModeText(channel) == u"playing") {
        refreshPosition(channel);
        showPositionOf(channel);
        return;
    }
    MusicChannelState& state = media_.state(channel);
    repeatTimers_[std::size_t(channel)]->setEnabled(false);
    media_.rewindMusic(channel);
    refreshPosition(channel);
    showPositionOf(channel);
    if (numberOfText(state.repeatFlag) > 0) {
        state.restartCountdown = kRestartTicks;
        restartTimers_[std::size_t(channel)]->setEnabled(true);
        return;
    }
    state.playingPath.clear();
    state.playFlag = QStringLiteral("0");
    setPlay(QStringLiteral("0"));
}

void MusicEngine::restartTick(int channel)
{
    MusicChannelState& state = media_.state(channel);
    if (!(numberOfText(state.restartCountdown) > 0))
        return;
    state.restartCountdown = QString::number(numberOfText(state.restartCountdown) - 1);
    if (numberOfText(state.restartCountdown) < 1) {
        restartTimers_[std::size_t(channel)]->setEnabled(false);
        media_.resumeMusic(channel);
        repeatTimers_[std::size_t(channel)]->setEnabled(true);
    }
}

} // namespace qc
