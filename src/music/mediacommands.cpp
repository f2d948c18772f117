#include "music/mediacommands.h"

#include "platform/mediadevice.h"
#include "platform/wavesound.h"
#include "script/numbers.h"
#include "script/paths.h"
#include "script/texthelpers.h"

#include <cmath>

namespace qc {

namespace {

// The status reply buffer holds 255 characters with the answer's closing NUL.
constexpr qsizetype kReplyCapacity = 255;

} // namespace

int musicChannelOf(QStringView channel)
{
    try {
        return musicChannelOf(int(toInt16(numberOfText(channel))));
    } catch (const NumberOverflow&) {
        return 0;
    }
}

int musicChannelOf(int channel)
{
    return channel == 1 ? 1 : 0;
}

QString musicAliasOf(int channel)
{
    return QStringLiteral("qcMusicCh%1").arg(musicChannelOf(channel));
}

MediaCommands::MediaCommands(MediaDevice& device, WaveSound& waves) : device_(device), waves_(waves) {}

unsigned MediaCommands::send(const QString& command)
{
    return device_.send(command).code;
}

unsigned MediaCommands::mediaOpen(int channel, const QString& path)
{
    return send(QStringLiteral("Open \"%1\" alias %2 type MPEGVideo").arg(path, musicAliasOf(channel)));
}

unsigned MediaCommands::mediaClose(int channel)
{
    return send(QStringLiteral("Close ") + musicAliasOf(channel));
}

unsigned MediaCommands::mediaPlay(int channel)
{
    return send(QStringLiteral("Play ") + musicAliasOf(channel));
}

unsigned MediaCommands::mediaStop(int channel)
{
    return send(QStringLiteral("Stop ") + musicAliasOf(channel));
}

unsigned MediaCommands::mediaSeekStart(int channel)
{
    return send(QStringLiteral("Seek %1 to 0").arg(musicAliasOf(channel)));
}

unsigned MediaCommands::mediaSeekTo(int channel, const QString& position)
{
    return send(QStringLiteral("Seek %1 to %2").arg(musicAliasOf(channel), position));
}

unsigned MediaCommands::mediaSetVolume(int channel, const QString& volume)
{
    return send(QStringLiteral("setaudio %1 volume to %2").arg(musicAliasOf(channel), volume));
}

// A device that answers nothing leaves the reply buffer blank: a text that reads as 0 and is
// never "playing".
QString MediaCommands::query(int channel, const char* what)
{
    const MediaReply reply =
        device_.send(QStringLiteral("Status %1 %2").arg(musicAliasOf(channel), QLatin1String(what)));
    lastResult_ = reply.code;
    if (reply.code != 0)
        return QString(kReplyCapacity, u' ');
    return cutAtNul(reply.text.left(kReplyCapacity - 1));
}

QString MediaCommands::queryPositionText(int channel)
{
    return query(channel, "position");
}

QString MediaCommands::queryLengthText(int channel)
{
    return query(channel, "length");
}

QString MediaCommands::queryModeText(int channel)
{
    return query(channel, "mode");
}

QString MediaCommands::queryVolumeText(int channel)
{
    return query(channel, "volume");
}

void MediaCommands::resetMusicChannel(int channel)
{
    state(channel) = MusicChannelState{};
}

// A piece of no length is at 0 %.
QString MediaCommands::computePositionPercent(int channel)
{
    const MusicChannelState& s = state(channel);
    if (s.lengthText.isEmpty())
        return {};
    const double length = numberOfText(s.lengthText);
    if (length == 0)
        return QStringLiteral("0");
    const double percent = numberOfText(s.positionText) * 100 / length;
    return formatDecimals(QString::number(percent, 'g', 17), u"5");
}

void MediaCommands::openMusic(int channel, const QString& path)
{
    lastResult_ = 0;
    MusicChannelState& s = state(channel);
    if (path == s.loadedPath)
        return;
    if (!s.loadedPath.isEmpty())
        mediaClose(channel);
    lastResult_ = 0;
    if (!path.isEmpty())
        lastResult_ = mediaOpen(channel, path);
    s.loadedPath.clear();
    s.fileExtension.clear();
    if (!path.isEmpty() && lastResult_ == 0) {
        s.loadedPath = path;
        s.fileExtension = extensionOfPath(path);
    }
}

void MediaCommands::closeMusic(int channel)
{
    lastResult_ = 0;
    lastResult_ = mediaClose(channel);
    MusicChannelState& s = state(channel);
    s.loadedPath.clear();
    s.fileExtension.clear();
}

void MediaCommands::startMusic(int channel)
{
    lastResult_ = 0;
    MusicChannelState& s = state(channel);
    if (s.loadedPath.isEmpty() || !s.playingPath.isEmpty())
        return;
    if (numberOfText(s.topFlag) > 0)
        lastResult_ = mediaSeekStart(channel);
    lastResult_ = mediaPlay(channel);
    s.playingPath = s.loadedPath;
}

void MediaCommands::resumeMusic(int channel)
{
    lastResult_ = 0;
    lastResult_ = mediaPlay(channel);
    MusicChannelState& s = state(channel);
    s.playingPath = s.loadedPath;
}

void MediaCommands::stopMusicToTop(int channel)
{
    lastResult_ = mediaStop(channel);
    MusicChannelState& s = state(channel);
    if (s.playingPath.isEmpty())
        return;
    if (numberOfText(s.topFlag) > 0)
        lastResult_ = mediaSeekStart(channel);
    s.playingPath.clear();
}

void MediaCommands::stopMusic(int channel)
{
    lastResult_ = mediaStop(channel);
    state(channel).playingPath.clear();
}

void MediaCommands::rewindMusic(int channel)
{
    lastResult_ = mediaSeekStart(channel);
}

void MediaCommands::setDeviceVolume(int channel, const QString& volume)
{
    int value = 501;
    try {
        value = toInt16(numberOfText(volume));
    } catch (const NumberOverflow&) {
        value = 501;
    }
    // Out of range is neither silence nor full volume.
    if (value < 0 || value > 1000)
        value = 501;
    lastResult_ = mediaSetVolume(channel, QString::number(value));
}

void MediaCommands::moveMusicPosition(int channel, const QString& position)
{
    lastResult_ = 0;
    channel = musicChannelOf(channel);
    MusicChannelState& s = state(channel);
    double target = 0;
    try {
        target = toInt32(numberOfText(position));
    } catch (const NumberOverflow&) {
        return;
    }
    if (position.isEmpty() || s.lengthText.isEmpty() || target < 0 || target > numberOfText(s.lengthText))
        return;
    const bool wasPlaying = !s.playingPath.isEmpty();
    if (wasPlaying) {
        stopMusic(channel);
        if (hooks_)
            hooks_->setRepeatTimerEnabled(channel, false);
    }
    lastResult_ = mediaSeekTo(channel, QString::number(qint64(target)));
    if (wasPlaying) {
        resumeMusic(channel);
        if (hooks_)
            hooks_->setRepeatTimerEnabled(channel, true);
    }
    s.positionText = queryPositionText(channel);
    s.positionPercent = computePositionPercent(channel);
    if (hooks_)
        hooks_->showPosition(channel, s.positionText, s.positionPercent);
}

bool MediaCommands::playWave(const QString& path)
{
    return waves_.play(path);
}

} // namespace qc
