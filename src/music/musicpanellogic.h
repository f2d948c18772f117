#pragma once

#include "music/musicpanelview.h"
#include "music/musicrecords.h"

#include <QString>

#include <memory>

namespace qc {

class MusicEngine;
class MusicPanelHost;
class Timer;
class Timers;
class WindowManager;
struct WindowFlags;

// The panel's colours.
namespace musicpanelcolor {
inline const QString kStopped = QStringLiteral("C0C0FF");  // the strip while not playing
inline const QString kPlaying = QStringLiteral("C0FFFF");  // the strip while playing
inline const QString kSegment = QStringLiteral("FFFF80");  // a quarter not playing
inline const QString kCurrent = QStringLiteral("FFC080");  // the quarter playing
} // namespace musicpanelcolor

// frmMu00, the music panel: play and stop the panel's channel, its volume, rewind and repeat,
// jumps within the piece, the channel switch and the sound effect, and a four-part position
// bar. It drives the music only through the engine's command boxes and keeps what it shows
// in the music records.
class MusicPanelLogic {
public:
    struct Parts {
        MusicRecords& records;
        MusicStaging& staging;  // the step being applied: its place, when the panel loads
        MusicEngine& engine;
        WindowManager& windows;
        WindowFlags& flags;
        MusicPanelHost& host;
    };

    MusicPanelLogic(MusicPanelView& view, Parts parts, Timers& timers);
    ~MusicPanelLogic();

    // Window events.
    void onLoad();
    void onResize();
    void onQueryUnload();
    void onUnload();
    // A click on the window or the sound mark: back onto the screen.
    void onClick();
    // "/" and "c" hand the keys back to the presentation, Esc quits; whether it was used.
    bool onKeyPress(QChar key);

    // The controls.
    void playClicked();
    void stopClicked();
    void topClicked(bool checked);
    void repeatClicked(bool checked);
    void volumeUpClicked();
    void volumeDownClicked();
    void volumeLabelClicked();
    void soundClicked();
    // A quarter of the position bar, 0..3: a jump to its start.
    void segmentClicked(int segment);
    void positionMoveClicked();
    void channelLabelClicked();
    // The position bar's timer.
    void updatePositionBar();

    // What the commands set.
    void placeLeft(int left);
    void placeTop(int top);
    // The panel shows `channel`: its label, check boxes, volume, position bar and caption.
    void showChannel(int channel);
    void setSoundMarkVisible(bool visible) { view_.setSoundMarkVisible(visible); }
    // The position bar live (the channel has a music file) or cleared.
    void showPositionBar(bool live);
    // `lblMusicVolumePercent`, one decimal at most.
    void showVolume(const QString& percent);
    // Setting a check box runs its click handler, as the window does.
    void setTopBox(int value);
    void setRepeatBox(int value);
    void setCaption(const QString& caption) { view_.setTitle(caption); }

    bool positionTimerEnabled() const;

private:
    MusicValues& record();
    void setVolume(const QString& percent);
    void setStrip(const QString& rgb);

    MusicPanelView& view_;
    Parts parts_;
    std::unique_ptr<Timer> positionTimer_;
    QString channelText_ = QStringLiteral("Ch-0");
};

} // namespace qc
