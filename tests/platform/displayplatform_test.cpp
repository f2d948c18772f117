#include "platform/desktop/displayplatform.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(DisplayPlatform, AWaylandSessionWithXWaylandRunsThroughIt)
{
    const struct {
        SessionEnvironment session;
        std::optional<QByteArray> platform;
    } cases[] = {
        {{"", "wayland-0", "wayland", ":0"}, QByteArray("xcb")},
        {{"", "wayland-0", "", ":1"}, QByteArray("xcb")},
        {{"", "", "wayland", ":0"}, QByteArray("xcb")},       // the session says so, the socket unnamed
        {{"", "wayland-0", "wayland", ""}, std::nullopt},     // no XWayland: native it is
        {{"wayland", "wayland-0", "wayland", ":0"}, std::nullopt},  // the user's own choice
        {{"offscreen", "", "", ""}, std::nullopt},
        {{"", "", "x11", ":0"}, std::nullopt},                // X11 needs nothing
        {{"", "", "", ""}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(preferredQtPlatform(c.session), c.platform)
            << c.session.qtPlatform.constData() << "|" << c.session.waylandDisplay.constData() << "|"
            << c.session.sessionType.constData() << "|" << c.session.x11Display.constData();
    }
}

TEST(DisplayPlatform, OnlyNativeWaylandHidesWindowPlaces)
{
    EXPECT_TRUE(windowPlacesWork(QStringLiteral("xcb")));
    EXPECT_TRUE(windowPlacesWork(QStringLiteral("offscreen")));
    EXPECT_FALSE(windowPlacesWork(QStringLiteral("wayland")));
    EXPECT_FALSE(windowPlacesWork(QStringLiteral("wayland-egl")));
}

} // namespace
} // namespace qc
