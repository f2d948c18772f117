#include "script/screengeometry.h"

#include "platform/screen.h"
#include "script/numbers.h"

#include <cmath>

namespace qc {

namespace {

double fractionOf(QStringView text)
{
    const double f = numberOfText(text);
    return (f < 0 || f > 1) ? 0.5 : f;
}

QString intText(double value)
{
    return QString::number(toInt32(std::floor(value)));
}

QString atFraction(QStringView fraction, QStringView windowSize, int screenSize)
{
    int size = toInt32(numberOfText(windowSize));
    if (size < 0 || size > screenSize)
        size = 0;
    return intText(fractionOf(fraction) * (screenSize - size));
}

QString validExtent(QStringView value, int screenSize)
{
    int v = toInt32(numberOfText(value));
    if (v < 0 || v > screenSize)
        v = toInt32(std::floor(screenSize * 0.5));
    return QString::number(v);
}

QString keepOnScreen(QStringView position, QStringView size, int screenSize)
{
    if (position.isEmpty() || size.isEmpty())
        return {};
    const double pos = numberOfText(position);
    const double extent = numberOfText(size);
    QString result = pos < 0 ? QStringLiteral("0") : position.toString();
    if (static_cast<float>(pos + extent) > static_cast<float>(screenSize)) {
        const double pulledBack = screenSize - extent;
        result = pulledBack < 0 ? QStringLiteral("0") : realText(pulledBack);
    }
    return result;
}

} // namespace

QString leftAtFraction(QStringView fraction, QStringView windowWidth, const Screen& screen)
{
    return atFraction(fraction, windowWidth, screen.widthTwips());
}

QString topAtFraction(QStringView fraction, QStringView windowHeight, const Screen& screen)
{
    return atFraction(fraction, windowHeight, screen.heightTwips());
}

QString widthAtFraction(QStringView fraction, const Screen& screen)
{
    return intText(fractionOf(fraction) * screen.widthTwips());
}

QString heightAtFraction(QStringView fraction, const Screen& screen)
{
    return intText(fractionOf(fraction) * screen.heightTwips());
}

QString validLeft(QStringView value, const Screen& screen)
{
    return validExtent(value, screen.widthTwips());
}

QString validTop(QStringView value, const Screen& screen)
{
    return validExtent(value, screen.heightTwips());
}

QString validWidth(QStringView value, const Screen& screen)
{
    return validExtent(value, screen.widthTwips());
}

QString validHeight(QStringView value, const Screen& screen)
{
    return validExtent(value, screen.heightTwips());
}

QString keepLeftOnScreen(QStringView left, QStringView width, const Screen& screen)
{
    return keepOnScreen(left, width, screen.widthTwips());
}

QString keepTopOnScreen(QStringView top, QStringView height, const Screen& screen)
{
    return keepOnScreen(top, height, screen.heightTwips());
}

} // namespace qc
