#include "music/musicpanellogic.h"

#include "music/musicengine.h"
#include "music/musicpanelhost.h"
#include "platform/timers.h"
#include "script/commandchecks.h"
#include "script/numbers.h"
#include "script/texthelpers.h"
#include "windows/scriptwindowkeys.h"
#include "windows/windowmanager.h"
#include "windows/windownames.h"

#include <array>

namespace qc {

namespace {

using namespace musicslot;
using namespace musicpanelcolor;

const QString kZero = QStringLiteral("0");
const QString kOne = QStringLiteral("1");
const QString kHundred = QStringLiteral("100");

constexpr int kPositionBarIntervalMs = 1000;
constexpr int kSegmentCount = 4;

QString flagText(bool checked)
{
    return checked ? kOne : kZero;
}

// The volume percent as the volume buttons read it: rounded, halves to even; none when it
// is beyond any volume.
std::optional<int> volumeStep(const QString& percent)
{
    try {
        return int(toInt16(numberOfText(percent)));
    } catch (const NumberOverflow&) {
        return std::nullopt;
    }
}

} // namespace

MusicPanelLogic::MusicPanelLogic(MusicPanelView& view, Parts parts, Timers& timers)
    : view_(view), parts_(parts),
      positionTimer_(timers.create(kPositionBarIntervalMs, [this] { updatePositionBar(); }))
{
}

MusicPanelLogic::~MusicPanelLogic() = default;

MusicValues& MusicPanelLogic::record()
{
    return parts_.records.of(parts_.records.panelChannel);
}

bool MusicPanelLogic::positionTimerEnabled() const
{
    return positionTimer_->isEnabled();
}

// Starts from nothing: channel 0 closed, rewind and repeat off and full volume on both
// channels, the place of the step that loads it or the default place.
void MusicPanelLogic::onLoad()
{
    parts_.host.attach(*this);
    MusicEngine& engine = parts_.engine;
    view_.setSoundMarkVisible(false);
    view_.setPlayStripVisible(true);
    view_.setSegmentsVisible(false);

    engine.setChannel(kZero);
    engine.setPathFile(QString());
    for (MusicValues& applied : parts_.records.applied)
        applied[MusicTop] = kZero;
    engine.setTop(kZero);
    setTopBox(0);
    for (MusicValues& applied : parts_.records.applied)
        applied[MusicRepeat] = kZero;
    engine.setRepeat(kZero);
    setRepeatBox(0);
    for (MusicValues& applied : parts_.records.applied)
        applied[MusicVolume] = kHundred;
    engine.setVolumePercent(kHundred);
    view_.setVolumeText(kHundred);

    for (const std::size_t slot : {Left, Top}) {
        if (parts_.staging.values[slot].isEmpty())
            parts_.staging.values[slot] = QStringLiteral("reset");
    }
}

void MusicPanelLogic::onResize()
{
    if (view_.windowState() == WindowState::Maximized)
        view_.setWindowState(WindowState::Normal);
}

// Closing forgets what was in force and leaves the engine on channel 1, stopped and closed.
// A piece still playing on channel 0 plays on until the panel loads again.
void MusicPanelLogic::onQueryUnload()
{
    for (MusicValues& applied : parts_.records.applied)
        applied.fill(QString());
    MusicEngine& engine = parts_.engine;
    engine.setPlay(kZero);
    engine.setChannel(kOne);
    engine.setWavePathFile(QString());
    engine.setPathFile(QString());
    engine.setTop(kZero);
    engine.setRepeat(kZero);
    engine.setVolumePercent(kHundred);
    view_.hideWindow();
}

void MusicPanelLogic::onUnload()
{
    positionTimer_->setEnabled(false);
    parts_.windows.musicPanelClosed();
    parts_.host.detach();
}

void MusicPanelLogic::onClick()
{
    parts_.windows.keepOnScreen(windowname::kMusicPanel);
}

bool MusicPanelLogic::onKeyPress(QChar key)
{
    return handleScriptWindowKey(key, parts_.windows, parts_.flags);
}

void MusicPanelLogic::playClicked()
{
    if (record()[MusicFileName].isEmpty())
        return;
    parts_.engine.setPlay(kOne);
    setStrip(kPlaying);
}

void MusicPanelLogic::stopClicked()
{
    if (record()[MusicFileName].isEmpty())
        return;
    parts_.engine.setPlay(kZero);
    setStrip(kStopped);
}

void MusicPanelLogic::topClicked(bool checked)
{
    record()[MusicTop] = flagText(checked);
    parts_.engine.setTop(flagText(checked));
}

void MusicPanelLogic::repeatClicked(bool checked)
{
    record()[MusicRepeat] = flagText(checked);
    parts_.engine.setRepeat(flagText(checked));
}

// Up to the next multiple of ten, at most 200; below 0 or from 200 nothing.
void MusicPanelLogic::volumeUpClicked()
{
    const std::optional<int> v = volumeStep(record()[MusicVolume]);
    if (v && *v >= 0 && *v <= 199)
        setVolume(QString::number((*v / 10 + 1) * 10));
}

// Down to the multiple of ten below, at least 0; from 0 or below, or above 200, nothing.
void MusicPanelLogic::volumeDownClicked()
{
    const std::optional<int> v = volumeStep(record()[MusicVolume]);
    if (v && *v >= 1 && *v <= 200)
        setVolume(QString::number((*v - 1) / 10 * 10));
}

void MusicPanelLogic::volumeLabelClicked()
{
    setVolume(kHundred);
}

void MusicPanelLogic::setVolume(const QString& percent)
{
    record()[MusicVolume] = percent;
    parts_.engine.setVolumePercent(percent);
    view_.setVolumeText(percent);
}

// The sound effect is channel 0's.
void MusicPanelLogic::soundClicked()
{
    if (!parts_.records.of(0)[SoundFileName].isEmpty())
        parts_.engine.setWavePlay(kOne);
}

void MusicPanelLogic::segmentClicked(int segment)
{
    if (segment >= 0 && segment < kSegmentCount)
        parts_.engine.setPositionPercentSet(QString::number(segment * 25));
}

// An entry outside 0..100, or without a number, jumps to the start.
void MusicPanelLogic::positionMoveClicked()
{
    if (view_.positionEntry().isEmpty())
        return;
    const double number = numberOfText(view_.positionEntry());
    const QString percent = number < 0 || number > 100 ? kZero : realText(number);
    view_.setPositionEntry(percent);
    parts_.engine.setPositionPercentSet(percent);
}

void MusicPanelLogic::channelLabelClicked()
{
    const int channel = channelText_ == u"Ch-0" ? 1 : 0;
    parts_.records.panelChannel = channel;
    parts_.engine.setChannel(QString::number(channel));
    showChannel(channel);
}

void MusicPanelLogic::showChannel(int channel)
{
    channelText_ = QStringLiteral("Ch-") + QString::number(channel);
    view_.setChannelText(channelText_);
    const MusicValues& applied = parts_.records.of(channel);
    setTopBox(int16OrZero(applied[MusicTop]));
    setRepeatBox(int16OrZero(applied[MusicRepeat]));
    showVolume(applied[MusicVolume]);
    showPositionBar(!applied[MusicFileName].isEmpty());
    view_.setTitle(musicPanelTitle(parts_.records, channel));
}

void MusicPanelLogic::showPositionBar(bool live)
{
    if (live) {
        view_.setPlayStripVisible(true);
        view_.setSegmentsVisible(true);
        view_.setPositionEntry(QStringLiteral("50"));
    } else {
        setStrip(kStopped);
        for (int segment = 0; segment < kSegmentCount; ++segment)
            view_.setSegmentColor(segment, kSegment);
        view_.setSegmentsVisible(false);
        view_.setPlayStripVisible(true);
        view_.setPositionEntry(QString());
    }
    positionTimer_->setEnabled(live);
}

// The strip tells whether the engine's channel plays; the quarter holding the position is
// marked. A position between two quarters (24.5 %) leaves the marks as they were.
void MusicPanelLogic::updatePositionBar()
{
    if (record()[MusicFileName].isEmpty())
        return;
    setStrip(numberOfText(parts_.engine.play()) < 1 ? kStopped : kPlaying);
    const double x = numberOfText(parts_.engine.positionPercent());
    static constexpr std::array<std::pair<double, double>, kSegmentCount> kQuarters{
        {{0, 24}, {25, 49}, {50, 74}, {75, 100}}};
    for (int current = 0; current < kSegmentCount; ++current) {
        const auto [low, high] = kQuarters[std::size_t(current)];
        if (x >= low && x <= high) {
            for (int segment = 0; segment < kSegmentCount; ++segment)
                view_.setSegmentColor(segment, segment == current ? kCurrent : kSegment);
            return;
        }
    }
}

void MusicPanelLogic::placeLeft(int left)
{
    view_.moveTo(left, view_.rect().top);
}

void MusicPanelLogic::placeTop(int top)
{
    view_.moveTo(view_.rect().left, top);
}

void MusicPanelLogic::showVolume(const QString& percent)
{
    view_.setVolumeText(formatDecimals(percent, u"1"));
}

void MusicPanelLogic::setTopBox(int value)
{
    view_.setTopChecked(value > 0);
    topClicked(value > 0);
}

void MusicPanelLogic::setRepeatBox(int value)
{
    view_.setRepeatChecked(value > 0);
    repeatClicked(value > 0);
}

void MusicPanelLogic::setStrip(const QString& rgb)
{
    view_.setPlayStripColor(rgb);
}

} // namespace qc
