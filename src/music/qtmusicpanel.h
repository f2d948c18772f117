#pragma once

#include "music/musicpanellogic.h"
#include "windows/qt/operatorwindow.h"

#include <QRect>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qc {

class Screen;

// frmMu00, the music panel: play, stop, volume, channel and position of the music, and the
// sound effect. It shows; MusicPanelLogic rules.
class QtMusicPanel : public QtOperatorWindow, public MusicPanelView {
public:
    QtMusicPanel(const Screen& screen, MusicPanelLogic::Parts parts, Timers& timers);

    MusicPanelLogic& logic() { return logic_; }

    WindowRect rect() const override;
    void moveTo(int left, int top) override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    void hideWindow() override;
    void setTitle(const QString& title) override;

    void setTopChecked(bool checked) override;
    void setRepeatChecked(bool checked) override;
    void setVolumeText(const QString& text) override;
    void setChannelText(const QString& text) override;
    void setPlayStripColor(const QString& rgb) override;
    void setPlayStripVisible(bool visible) override;
    void setSegmentColor(int segment, const QString& rgb) override;
    void setSegmentsVisible(bool visible) override;
    QString positionEntry() const override;
    void setPositionEntry(const QString& text) override;
    void setSoundMarkVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void windowResized() override { logic_.onResize(); }
    void windowClicked() override { logic_.onClick(); }

private:
    QLabel* addLabel(const char* name, const QString& text, QRect twips, const QString& rgb);
    QPushButton* addButton(const char* name, const QString& caption, QRect twips, void (MusicPanelLogic::*clicked)());
    QCheckBox* addCheckBox(const char* name, const QString& caption, QRect twips,
                           void (MusicPanelLogic::*clicked)(bool));
    // A click on `watched` handled; false when it is no label of the panel.
    bool labelClicked(QObject* watched);

    const Screen& screen_;
    MusicPanelLogic logic_;
    QCheckBox* top_ = nullptr;
    QCheckBox* repeat_ = nullptr;
    QLabel* volume_ = nullptr;
    QLabel* channel_ = nullptr;
    QLabel* strip_ = nullptr;
    std::array<QLabel*, 4> segments_{};
    QLineEdit* position_ = nullptr;
    QLabel* sound_ = nullptr;
    // Where the window's frame was last put, in twips: read back as given while it stands
    // there, as pixels would round the twips placed.
    std::optional<WindowRect> placed_;
};

} // namespace qc
