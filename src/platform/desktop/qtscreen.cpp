#include "platform/desktop/qtscreen.h"

#include "platform/desktop/displayplatform.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qc {

namespace {

// 96 DPI and 1920 x 1080 when no screen is attached.
constexpr double kFallbackTwipsPerPixel = 15.0;
constexpr int kFallbackWidthPixels = 1920;
constexpr int kFallbackHeightPixels = 1080;

} // namespace

double QtScreen::twipsPerPixel() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->logicalDotsPerInch() <= 0)
        return kFallbackTwipsPerPixel;
    return 1440.0 / screen->logicalDotsPerInch();
}

int QtScreen::widthTwips() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->geometry().width() : kFallbackWidthPixels;
    return int(std::lround(pixels * twipsPerPixel()));
}

int QtScreen::heightTwips() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->geometry().height() : kFallbackHeightPixels;
    return int(std::lround(pixels * twipsPerPixel()));
}

bool QtScreen::placesWork() const
{
    return windowPlacesWork(QGuiApplication::platformName());
}

} // namespace qc
