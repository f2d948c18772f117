#pragma once

#include <QString>
#include <QStringView>

namespace qc {

class Screen;

// Window places for the settings file, in twips. A fraction outside 0..1 counts as 0.5.
// The 32-bit conversions throw NumberOverflow for numbers beyond their range.

// Int(f x (screen width - window width)); a window width outside 0..screen width counts as 0.
QString leftAtFraction(QStringView fraction, QStringView windowWidth, const Screen& screen);
QString topAtFraction(QStringView fraction, QStringView windowHeight, const Screen& screen);
QString widthAtFraction(QStringView fraction, const Screen& screen);
QString heightAtFraction(QStringView fraction, const Screen& screen);

// The value as an integer, or half the screen when it lies outside 0..screen size.
QString validLeft(QStringView value, const Screen& screen);
QString validTop(QStringView value, const Screen& screen);
QString validWidth(QStringView value, const Screen& screen);
QString validHeight(QStringView value, const Screen& screen);

// A position pulled back so that the window lies on the screen: negative becomes 0, a far
// edge past the screen's edge is moved onto it, a window larger than the screen goes to 0.
// "" when either argument is "".
QString keepLeftOnScreen(QStringView left, QStringView width, const Screen& screen);
QString keepTopOnScreen(QStringView top, QStringView height, const Screen& screen);

} // namespace qc
