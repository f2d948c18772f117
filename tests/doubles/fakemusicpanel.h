#pragma once

#include "music/musicpanelview.h"

#include "doubles/fakewindows.h"

#include <array>

namespace qc::test {

// A music panel window that only remembers what it shows. Its place is the fake window's of
// the same name, so the window manager and the handlers see one window.
class FakeMusicPanelView : public MusicPanelView {
public:
    explicit FakeMusicPanelView(FakeWindowLoader& loader) : loader_(loader)
    {
        loader_.rects[name()] = {0, 0, 3600, 1500};
    }

    static QString name() { return QStringLiteral("frmMu00"); }

    WindowRect rect() const override { return loader_.rects.value(name()); }
    void moveTo(int left, int top) override
    {
        WindowRect& r = loader_.rects[name()];
        r.left = left;
        r.top = top;
    }
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    void hideWindow() override { hidden = true; }
    void setTitle(const QString& t) override { title = t; }

    void setTopChecked(bool checked) override { topChecked = checked; }
    void setRepeatChecked(bool checked) override { repeatChecked = checked; }
    void setVolumeText(const QString& text) override { volumeText = text; }
    void setChannelText(const QString& text) override { channelText = text; }
    void setPlayStripColor(const QString& rgb) override { stripColor = rgb; }
    void setPlayStripVisible(bool visible) override { stripVisible = visible; }
    void setSegmentColor(int segment, const QString& rgb) override { segmentColors[std::size_t(segment)] = rgb; }
    void setSegmentsVisible(bool visible) override { segmentsVisible = visible; }
    QString positionEntry() const override { return entry; }
    void setPositionEntry(const QString& text) override { entry = text; }
    void setSoundMarkVisible(bool visible) override { soundMarkVisible = visible; }

    WindowState state = WindowState::Normal;
    bool hidden = false;
    QString title = QStringLiteral("音楽");
    bool topChecked = false;
    bool repeatChecked = false;
    QString volumeText = QStringLiteral("100");
    QString channelText = QStringLiteral("Ch-0");
    QString stripColor = QStringLiteral("C0C0FF");
    bool stripVisible = true;
    std::array<QString, 4> segmentColors{QStringLiteral("FFFF80"), QStringLiteral("FFFF80"),
                                         QStringLiteral("FFFF80"), QStringLiteral("FFFF80")};
    bool segmentsVisible = false;
    QString entry;
    bool soundMarkVisible = false;

private:
    FakeWindowLoader& loader_;
};

} // namespace qc::test
