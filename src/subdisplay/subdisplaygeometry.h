#pragma once

#include "platform/screen.h"

#include <cmath>

namespace qc {

// Sizes and places of the sub display windows, in twips.

inline constexpr int kSubMinWidth = 2000;
inline constexpr int kSubMinHeight = 1500;

// Int(length x per / whole), worked out exactly: a share such as 35 % must not lose a twip to
// the binary form of 0.35.
inline int shareOf(int length, int per, int whole)
{
    return int(std::floor(double(length) * per / whole));
}

// The largest a sub display may be: 95 % of the screen.
inline int subMaxWidth(const Screen& screen)
{
    return shareOf(screen.widthTwips(), 95, 100);
}

inline int subMaxHeight(const Screen& screen)
{
    return shareOf(screen.heightTwips(), 95, 100);
}

// The size "reset" gives: 24.5 % x 35 % of the screen.
inline int subDefaultWidth(const Screen& screen)
{
    return shareOf(screen.widthTwips(), 245, 1000);
}

inline int subDefaultHeight(const Screen& screen)
{
    return shareOf(screen.heightTwips(), 35, 100);
}

// Where "reset" puts sub display `id`: 0 at the left below the middle, the others in a row
// along the top.
inline int subResetLeft(int id, const Screen& screen)
{
    static constexpr int kPerMille[] = {10, 0, 250, 500, 750};
    return shareOf(screen.widthTwips(), kPerMille[(id >= 0 && id < 5) ? id : 0], 1000);
}

inline int subResetTop(int id, const Screen& screen)
{
    return shareOf(screen.heightTwips(), id == 0 ? 365 : 20, 1000);
}

} // namespace qc
