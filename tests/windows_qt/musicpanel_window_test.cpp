#include "music/qtmusicpanel.h"

#include "music/mediacommands.h"
#include "music/musicengine.h"
#include "music/musicpanelhost.h"
#include "platform/fontprobe.h"
#include "platform/steppedtimers.h"
#include "windows/qt/widgetwindow.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakefiles.h"
#include "doubles/fakescreen.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingmediadevice.h"
#include "qtprinters.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace qc {
namespace {

using namespace musicslot;

// The music panel on the offscreen platform over its real logic and a real music engine whose
// device only records; the window manager drives a stand-in of the same name, so what it does
// to the panel shows in the loader's log.
class MusicPanelWidgets : public ::testing::Test {
protected:
    MusicPanelWidgets()
    {
        engine.load();
        windows.loadMusicPanel();
        window = std::make_unique<QtMusicPanel>(
            screen, MusicPanelLogic::Parts{records, staging, engine, windows, flags, host}, timers);
        window->logic().onLoad();
        window->show();
    }

    template <typename T = QWidget>
    T* child(const char* name)
    {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString text(const char* name) { return child<QLabel>(name)->text(); }

    Settings settings = test::defaultSettings();
    test::FakeScreen screen;  // 15 twips a pixel
    test::FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords showStates;
    WindowManager windows{registry, showStates, settings, screen};
    WindowFlags flags;

    test::FakeFiles files;
    test::RecordingMediaDevice device;
    test::RecordingWaveSound waves;
    SteppedTimers timers;
    MediaCommands media{device, waves};
    MusicEngine engine{media, timers, files};

    MusicRecords records;
    MusicStaging staging;
    MusicPanelHost host;
    std::unique_ptr<QtMusicPanel> window;
};

TEST_F(MusicPanelWidgets, TheWindowIsAFixedPanelThatLeavesTheKeyboardAlone)
{
    EXPECT_EQ(window->objectName(), "frmMu00");
    EXPECT_EQ(window->windowTitle(), "音楽");
    EXPECT_FALSE(window->windowIcon().isNull());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(window->size(), QSize(233, 72));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(host.panel(), &window->logic());
}

// The commands place the panel one side at a time, each reading the other back.
TEST_F(MusicPanelWidgets, PlacesItsFrameToTheTwipAndKeepsItsSize)
{
    window->logic().placeLeft(1003);
    window->logic().placeTop(2011);
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(67, 134));
    EXPECT_EQ(window->rect().left, 1003);
    EXPECT_EQ(window->rect().top, 2011);
    EXPECT_EQ(window->size(), QSize(233, 72));
}

TEST_F(MusicPanelWidgets, ControlsStandWhereDesigned)
{
    const QColor none;
    const struct {
        const char* name;
        const char* kind;
        QString caption;
        QRect twips;
        QColor back;    // the filled background, if any
        bool visible;  // once loaded
    } controls[] = {
        {"chkMusicTop", "QCheckBox", "先頭", {120, 0, 735, 225}, QColor(0xC0, 0xC0, 0xFF), true},
        {"chkMusicRepeat", "QCheckBox", "繰返し", {960, 0, 855, 225}, QColor(0xC0, 0xC0, 0xFF), true},
        {"lblMusicVolumePercent", "QLabel", "100", {1920, 0, 615, 255}, QColor(0xE0, 0xE0, 0xFF), true},
        {"lblMusicChannel", "QLabel", "Ch-0", {2640, 0, 735, 255}, QColor(0xE0, 0xE0, 0xFF), true},
        {"lblMusic", "QLabel", "", {0, 240, 135, 495}, QColor(0xC0, 0xC0, 0xFF), true},
        {"comMusicPlay", "QPushButton", "再生", {120, 240, 855, 495}, none, true},
        {"comMusicStop", "QPushButton", "停止", {1080, 240, 855, 495}, none, true},
        {"comMusicVolumeUp", "QPushButton", "▲", {2040, 240, 375, 375}, none, true},
        {"comMusicVolumeDown", "QPushButton", "▼", {2040, 600, 375, 375}, none, true},
        {"comSound", "QPushButton", "サウンド", {2520, 240, 855, 495}, none, true},
        {"lblMusic0", "QLabel", "", {0, 840, 255, 135}, QColor(0xFF, 0xFF, 0x80), false},
        {"lblMusic1", "QLabel", "", {240, 840, 255, 135}, QColor(0xFF, 0xFF, 0x80), false},
        {"lblMusic2", "QLabel", "", {480, 840, 255, 135}, QColor(0xFF, 0xFF, 0x80), false},
        {"lblMusic3", "QLabel", "", {720, 840, 255, 135}, QColor(0xFF, 0xFF, 0x80), false},
        {"txtMusicPositionMove", "QLineEdit", "", {1080, 840, 615, 270}, none, true},
        {"comMusicPositionMove", "QPushButton", "", {1680, 840, 255, 255}, none, true},
        {"lblSound", "QLabel", "", {2520, 840, 855, 135}, QColor(0xFF, 0xFF, 0x80), false},
    };
    for (const auto& c : controls) {
        QWidget* control = child(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_STREQ(control->metaObject()->className(), c.kind) << c.name;
        EXPECT_EQ(control->geometry(), pixelRect(c.twips, screen)) << c.name;
        EXPECT_EQ(control->isVisible(), c.visible) << c.name;
        EXPECT_EQ(control->font().family(), kDefaultFontName) << c.name;
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            caption = button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            caption = label->text();
        else
            caption = qobject_cast<QLineEdit*>(control)->text();
        EXPECT_EQ(caption, c.caption) << c.name;
        if (c.back.isValid()) {
            EXPECT_TRUE(control->autoFillBackground()) << c.name;
            EXPECT_EQ(control->palette().color(QPalette::Window), c.back) << c.name;
        }
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_FALSE(button->autoDefault()) << c.name;
        }
    }
}

TEST_F(MusicPanelWidgets, VolumeAndChannelControlsWriteTheEngine)
{
    QTest::mouseClick(child("comMusicVolumeUp"), Qt::LeftButton);
    EXPECT_EQ(text("lblMusicVolumePercent"), "110");
    EXPECT_EQ(engine.volumePercent(), "110");
    QTest::mouseClick(child("comMusicVolumeDown"), Qt::LeftButton);
    QTest::mouseClick(child("comMusicVolumeDown"), Qt::LeftButton);
    EXPECT_EQ(text("lblMusicVolumePercent"), "90");
    EXPECT_EQ(engine.volumePercent(), "90");
    QTest::mouseClick(child("lblMusicVolumePercent"), Qt::LeftButton);
    EXPECT_EQ(text("lblMusicVolumePercent"), "100");
    EXPECT_EQ(engine.volumePercent(), "100");

    QTest::mouseClick(child("lblMusicChannel"), Qt::LeftButton);
    EXPECT_EQ(text("lblMusicChannel"), "Ch-1");
    EXPECT_EQ(engine.channel(), "1");
    EXPECT_EQ(records.panelChannel, 1);
    QTest::mouseClick(child("lblMusicChannel"), Qt::RightButton);  // not a click
    EXPECT_EQ(text("lblMusicChannel"), "Ch-1");
    QTest::mouseClick(child("lblMusicChannel"), Qt::LeftButton);
    EXPECT_EQ(text("lblMusicChannel"), "Ch-0");
    EXPECT_EQ(engine.channel(), "0");
    EXPECT_EQ(records.panelChannel, 0);
}

TEST_F(MusicPanelWidgets, OnlyTheOperatorsClickOnACheckBoxRunsItsHandler)
{
    for (const char* name : {"chkMusicTop", "chkMusicRepeat"}) {
        const bool isTop = name == std::string_view("chkMusicTop");
        const auto engineFlag = [&] { return isTop ? engine.top() : engine.repeat(); };
        const auto recorded = [&] { return records.of(0)[isTop ? MusicTop : MusicRepeat]; };
        auto* box = child<QCheckBox>(name);
        ASSERT_NE(box, nullptr);

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_TRUE(box->isChecked()) << name;
        EXPECT_EQ(engineFlag(), "1") << name;
        EXPECT_EQ(recorded(), "1") << name;

        // Set by the program: shown, and left to the logic to follow up.
        if (isTop)
            window->setTopChecked(false);
        else
            window->setRepeatChecked(false);
        EXPECT_FALSE(box->isChecked()) << name;
        EXPECT_EQ(engineFlag(), "1") << name;
        EXPECT_EQ(recorded(), "1") << name;
    }
}

TEST_F(MusicPanelWidgets, EnterLeavesThePositionBoxAndOnlyTheButtonJumps)
{
    auto* box = child<QLineEdit>("txtMusicPositionMove");
    ASSERT_NE(box, nullptr);
    box->setFocus();
    ASSERT_EQ(window->focusWidget(), box);
    QTest::keyClicks(box, "40");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "40");
    EXPECT_NE(window->focusWidget(), box);
    EXPECT_EQ(engine.positionPercent(), "0");  // not applied

    QTest::mouseClick(child("comMusicPositionMove"), Qt::LeftButton);
    EXPECT_EQ(engine.positionPercent(), "40");
    EXPECT_EQ(box->text(), "40");
}

TEST_F(MusicPanelWidgets, EscQuitsWhicheverControlHasTheKey)
{
    auto* box = child<QLineEdit>("txtMusicPositionMove");
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, "c");  // brings the display and the controller back, and is not typed
    EXPECT_EQ(box->text(), "");
    EXPECT_TRUE(loader.log.contains("frmMi02.show")) << loader.log.join(", ").toStdString();
    EXPECT_FALSE(flags.quitting);

    QTest::keyClick(child("comMusicPlay"), Qt::Key_Escape);
    EXPECT_TRUE(flags.quitting);
    EXPECT_TRUE(showStates.panelShowState.isEmpty());  // the panel unloaded
}

TEST_F(MusicPanelWidgets, TheStripAndTheQuartersShowTheColoursGivenAndAQuarterJumps)
{
    auto* strip = child<QLabel>("lblMusic");
    auto* quarter = child<QLabel>("lblMusic2");
    ASSERT_TRUE(strip && quarter);
    window->setPlayStripColor(musicpanelcolor::kPlaying);
    EXPECT_EQ(strip->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
    EXPECT_EQ(strip->grab().toImage().pixelColor(4, 16), QColor(0xC0, 0xFF, 0xFF));
    window->setPlayStripColor(musicpanelcolor::kStopped);
    EXPECT_EQ(strip->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));

    window->setSegmentsVisible(true);
    EXPECT_TRUE(quarter->isVisible());
    window->setSegmentColor(2, musicpanelcolor::kCurrent);
    EXPECT_EQ(quarter->palette().color(QPalette::Window), QColor(0xFF, 0xC0, 0x80));
    EXPECT_EQ(child<QLabel>("lblMusic1")->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x80));

    // A quarter jumps to its start.
    QTest::mouseClick(quarter, Qt::LeftButton);
    EXPECT_EQ(engine.positionPercent(), "50");
}

// Clicks on the window and the sound mark pull the panel back onto the screen; clicks on the
// labels that do something else, or on the strip, do not.
TEST_F(MusicPanelWidgets, OnlyTheWindowAndTheSoundMarkBringThePanelBack)
{
    window->setSoundMarkVisible(true);
    window->setSegmentsVisible(true);
    const struct {
        const char* name;
        bool onScreen;
    } cases[] = {
        {"frmMu00", true},    {"lblSound", true},        {"lblMusic", false},
        {"lblMusic1", false}, {"lblMusicChannel", false}, {"lblMusicVolumePercent", false},
    };
    for (const auto& c : cases) {
        loader.rects["frmMu00"] = {-3000, 200, 3000, 1500};
        loader.log.clear();
        QWidget* target = c.name == std::string_view("frmMu00") ? window.get() : child(c.name);
        ASSERT_NE(target, nullptr) << c.name;
        // The window's own point is clear of its controls.
        const QPoint at = target == window.get() ? QPoint(230, 5) : QPoint(2, 2);
        ASSERT_EQ(window->childAt(target->mapTo(window.get(), at)), target == window.get() ? nullptr : target)
            << c.name;
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        EXPECT_EQ(loader.log.contains("frmMu00.move 0 200"), c.onScreen) << c.name;
    }
    EXPECT_EQ(records.panelChannel, 1);  // the channel label did its own work
}

} // namespace
} // namespace qc
