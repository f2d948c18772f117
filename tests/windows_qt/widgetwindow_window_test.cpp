#include "windows/qt/artwork.h"
#include "windows/qt/widgetwindow.h"

#include "doubles/fakescreen.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

namespace qc {
namespace {

// Windows open and close all through a show; Qt keeps the sizes it scales an icon to under the
// icon's key, so every window must carry the same icon for that to stay one set.
TEST(Artwork, EveryWindowCarriesTheOneIconInEveryDesktopSize)
{
    const QIcon first = quillcastIcon();
    EXPECT_EQ(quillcastIcon().cacheKey(), first.cacheKey());
    EXPECT_EQ(first.availableSizes(),
              QList<QSize>({{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
}

TEST(WidgetWindowVerbs, ShowHideRestoreMoveAndClose)
{
    test::FakeScreen screen;
    auto* widget = new QWidget;
    widget->resize(200, 100);
    QPointer<QWidget> watch(widget);
    int closed = 0;
    {
        WidgetWindow window(widget, screen, [&] { ++closed; });
        window.show();
        EXPECT_TRUE(widget->isVisible());
        window.moveTo(1500, 1200);
        EXPECT_EQ(window.rect().left, 1500);
        EXPECT_EQ(window.rect().top, 1200);
        // The outer frame counts, not only the 200 x 100 client area.
        EXPECT_EQ(window.rect().width, widget->frameGeometry().width() * 15);
        EXPECT_GE(window.rect().width, 3000);
        EXPECT_GE(window.rect().height, 1500);

        widget->setWindowState(Qt::WindowMinimized);
        window.restore();
        EXPECT_EQ(windowStateOf(*widget), WindowState::Normal);

        window.hide();
        EXPECT_FALSE(widget->isVisible());
        window.runCloseHandlers();
        EXPECT_EQ(closed, 1);
    }
    // The widget goes once the event loop is back, never in the middle of its own handler.
    EXPECT_FALSE(watch.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST(WidgetWindowVerbs, BeforeItsFirstShowingAWindowCountsATypicalFrame)
{
    test::FakeScreen screen;
    QWidget widget;
    widget.resize(200, 100);
    EXPECT_EQ(frameRectInTwips(widget, screen).width, 3000 + 330);
    EXPECT_EQ(frameRectInTwips(widget, screen).height, 1500 + 660);
    widget.show();
    EXPECT_EQ(frameRectInTwips(widget, screen).width, widget.frameGeometry().width() * 15);
}

TEST(WidgetWindowVerbs, TwipsFollowTheScreensResolution)
{
    test::FakeScreen screen;
    EXPECT_EQ(toPixels(5160, screen), 344);
    EXPECT_EQ(toTwips(344, screen), 5160);
    EXPECT_EQ(pixelRect(QRect(360, 360, 1335, 495), screen), QRect(24, 24, 89, 33));
}

} // namespace
} // namespace qc
